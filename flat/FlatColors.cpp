// SPDX-License-Identifier: GPL-3.0-or-later
#include "flat/FlatColors.h"

#include <QWidget>
#include <QtGlobal>

#include <algorithm>

namespace fretlore {

namespace {

// The background colour of `w`'s parent, or `fallback` without one.
TColor parentBackground(const QWidget& w, TColor fallback)
{
    const QWidget* parent = w.parentWidget();
    return parent ? TColor(parent->palette().color(parent->backgroundRole())) : fallback;
}

} // namespace

FlatColors::FlatColors(QWidget& owner, TColor base, bool parentColor, AdvBase advBase)
    : owner_(owner), base_(base), parentColor_(parentColor), advBaseFrom_(advBase)
{
    if (parentColor_)
        takeParentColor();
}

int FlatColors::AddDerived(TColor initial, int percent, AdvColorDirection direction)
{
    Q_ASSERT(derivedCount_ < int(derived_.size()));
    derived_[derivedCount_] = {initial, TAdvColors(std::clamp(percent, 0, 100)), direction};
    return derivedCount_++;
}

void FlatColors::SetBase(TColor c)
{
    base_ = c;
    parentColor_ = false;
}

void FlatColors::SetParentColor(bool on)
{
    parentColor_ = on;
    if (on)
        takeParentColor();
}

void FlatColors::takeParentColor()
{
    base_ = parentBackground(owner_, base_);
}

void FlatColors::SetPercent(int slot, int percent)
{
    derived_[slot].Percent = TAdvColors(std::clamp(percent, 0, 100));
    recompute();
}

bool FlatColors::SetUseAdvColors(bool on)
{
    if (on == useAdvColors_)
        return false;
    useAdvColors_ = on;
    if (advBaseFrom_ == AdvBase::Own)
        SetParentColor(on);
    recompute();
    return true;
}

TColor FlatColors::advBase() const
{
    return advBaseFrom_ == AdvBase::Parent ? parentBackground(owner_, base_) : base_;
}

void FlatColors::recompute()
{
    if (!useAdvColors_)
        return;
    const TColor base = advBase();
    for (int i = 0; i < derivedCount_; ++i) {
        DerivedColor& d = derived_[i];
        d.Color = DeriveAdvColor(base, d.Color, d.Percent, d.Direction);
    }
}

void FlatColors::PaletteChanged(bool adoptParentColor)
{
    const bool followAnyway = useAdvColors_ && advBaseFrom_ == AdvBase::Own;
    if (followAnyway && adoptParentColor)
        parentColor_ = true;
    if (parentColor_ || followAnyway)
        takeParentColor();
    recompute();
}

} // namespace fretlore
