// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace fretlore {

// What both programs print under their name and version for --version: the
// copyright holder, the licence (the text is LICENSE at the project's root)
// and the warranty disclaimer the licence asks for. Each line ends with a
// newline.
inline constexpr char kLicenceNotice[] =
    "Copyright (C) 2026 The Fretlore PRO developers\n"
    "Licence GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

} // namespace fretlore
