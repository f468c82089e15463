// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "flat/FlatUtilitys.h"
#include "platform/TColor.h"

#include <array>

class QWidget;

namespace fretlore {

// The colour plumbing every flat control shares: a base colour (the button's
// and the progress bar's Color, the edit's ColorFlat, the combo box's Color)
// that follows the parent's background while ParentColor is set, and up to
// three colours that UseAdvColors derives from a base, each by its own
// percentage (0..100, larger values taken as 100), lighter or darker. Every
// colour is kept as given; the control resolves it when it paints.
class FlatColors {
public:
    // Where UseAdvColors takes its base from: the base colour, which then
    // follows the parent (button, edit, progress bar); or always the parent's
    // background, the base colour being left alone (combo box).
    enum class AdvBase { Own, Parent };

    // With `parentColor` set the base takes the parent's colour at once.
    FlatColors(QWidget& owner, TColor base, bool parentColor, AdvBase advBase = AdvBase::Own);

    // Adds a derived colour with its starting value; slots count from 0 in
    // the order added.
    int AddDerived(TColor initial, int percent, AdvColorDirection direction);

    TColor Base() const { return base_; }
    // Sets the base colour and clears ParentColor.
    void SetBase(TColor c);
    bool ParentColor() const { return parentColor_; }
    // Stores the flag; when set, the base takes the parent's colour.
    void SetParentColor(bool on);

    TColor Derived(int slot) const { return derived_[slot].Color; }
    void SetDerived(int slot, TColor c) { derived_[slot].Color = c; }
    int Percent(int slot) const { return derived_[slot].Percent; }
    // Stores the percentage, clamped to 0..100, and recomputes the derived
    // colours.
    void SetPercent(int slot, int percent);

    bool UseAdvColors() const { return useAdvColors_; }
    // Only on change (false when nothing changed): stores the flag, sets
    // ParentColor the same (AdvBase::Own) and recomputes.
    bool SetUseAdvColors(bool on);
    // The system colours or the parent's colour changed. While ParentColor
    // the base follows the parent. With UseAdvColors (AdvBase::Own) it follows
    // the parent in any case, `adoptParentColor` setting ParentColor again;
    // then the derived colours are recomputed.
    void PaletteChanged(bool adoptParentColor);

private:
    struct DerivedColor {
        TColor Color;
        TAdvColors Percent = 0;
        AdvColorDirection Direction = AdvColorDirection::Lighter;
    };

    void takeParentColor();
    TColor advBase() const;
    // With UseAdvColors, each derived colour becomes DeriveAdvColor(base,
    // itself, its percentage, its direction); without, nothing changes.
    void recompute();

    QWidget& owner_;
    TColor base_;
    bool parentColor_;
    AdvBase advBaseFrom_;
    bool useAdvColors_ = false;
    std::array<DerivedColor, 3> derived_{};
    int derivedCount_ = 0;
};

} // namespace fretlore
