// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a MIDI file. Our reader must never accept a file that the
// synthesizer's own player refuses to load: the program checks files with
// it so that a file that opens also plays.
#include "media/SmfReader.h"

#include <fluidsynth.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace fretlore;

namespace {

bool playerRefused = false;

void onError(int, const char*, void*)
{
    playerRefused = true;
}

struct Synthesizer {
    fluid_settings_t* settings = new_fluid_settings();
    fluid_synth_t* synth = nullptr;

    Synthesizer()
    {
        fluid_set_log_function(FLUID_PANIC, &onError, nullptr);
        fluid_set_log_function(FLUID_ERR, &onError, nullptr);
        for (int level : {FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, nullptr, nullptr);
        fluid_settings_setstr(settings, "player.timing-source", "sample");
        fluid_settings_setint(settings, "synth.reverb.active", 0);
        fluid_settings_setint(settings, "synth.chorus.active", 0);
        synth = new_fluid_synth(settings);
    }
    ~Synthesizer()
    {
        delete_fluid_synth(synth);
        delete_fluid_settings(settings);
    }

    // Whether the player loads the file: it does so at its first block of sound.
    bool loads(const std::uint8_t* data, std::size_t size)
    {
        playerRefused = false;
        fluid_player_t* player = new_fluid_player(synth);
        if (fluid_player_add_mem(player, data, size) != FLUID_OK)
            playerRefused = true;
        fluid_player_play(player);
        float left[64], right[64];
        fluid_synth_write_float(synth, 64, left, 0, 1, right, 0, 1);
        fluid_player_stop(player);
        delete_fluid_player(player);
        fluid_synth_system_reset(synth);
        return !playerRefused;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Synthesizer synthesizer;
    const SmfResult ours = ParseSmf(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (ours.ok() != (ours.message.isEmpty()))
        std::abort();
    if (ours.ok() && !synthesizer.loads(data, size)) {
        std::fprintf(stderr, "accepted here, refused by the synthesizer's player\n");
        std::abort();
    }
    return 0;
}
