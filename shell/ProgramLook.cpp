// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ProgramLook.h"

#include "controls/LabelControl.h"
#include "flat/TFlatButtonUnit.h"
#include "flat/TFlatComboBoxUnit.h"
#include "flat/TFlatEditUnit.h"
#include "flat/TFlatHintUnit.h"
#include "flat/TFlatProgressBarUnit.h"
#include "platform/FontSubstitutes.h"
#include "platform/TColor.h"

namespace fretlore {

QFont SansSerif(int pixels, bool bold)
{
    return PixelFont(QStringLiteral("MS Sans Serif"), pixels, bold);
}

LabelControl* CreateLimeLabel(QWidget* window, const char* name, const QString& caption, const QFont& font)
{
    auto* label = new LabelControl(window);
    label->setObjectName(QLatin1String(name));
    label->SetLabelFont(font);
    label->SetCaption(caption);
    label->SetFontColor(ToQColor(clLime));
    label->SetTransparent(true);
    return label;
}

TFlatButton* CreateOkButton(QWidget* window, int left, int top)
{
    auto* button = new TFlatButton(window);
    button->setObjectName(QStringLiteral("FlatButton1"));
    button->setGeometry(left, top, 97, 25);
    button->SetCaption(QStringLiteral("OK"));
    button->setFont(SansSerif(11));
    button->SetFontColor(clLime);
    button->SetColorFocused(clBlack);
    button->SetColorDown(clBlack);
    button->SetColorBorder(clBlack);
    button->SetColorHighLight(clLime);
    button->SetColorShadow(clLime);
    return button;
}

TFlatComboBox* CreateNameBox(QWidget* window, int left, int top)
{
    auto* box = new TFlatComboBox(window);
    box->setGeometry(left, top, 273, 21);
    box->SetColor(clBlack);
    box->SetColorArrow(clLime);
    box->SetColorArrowBackground(clBlack);
    box->SetColorBorder(clLime);
    box->SetFontColor(clLime);
    box->setFont(SansSerif(11));
    return box;
}

TFlatEdit* CreateFretEdit(QWidget* window, int left, int top)
{
    auto* edit = new TFlatEdit(window);
    edit->setGeometry(left, top, 33, 19);
    edit->SetColorFocused(clBlack);
    edit->SetColorBorder(clLime);
    edit->SetColorFlat(clBlack);
    edit->SetFontColor(clLime);
    edit->setFont(SansSerif(11));
    edit->SetMaxLength(2);
    return edit;
}

TFlatProgressBar* CreateSearchProgressBar(QWidget* window, int left, int top)
{
    auto* bar = new TFlatProgressBar(window);
    bar->setGeometry(left, top, 375, 16);
    bar->SetColorElement(clLime);
    bar->SetColorBorder(clLime);
    bar->SetRange(0, 100);
    bar->SetSmooth(true);
    return bar;
}

void ConfigureFlatHint(TFlatHint& hint)
{
    hint.SetColorBackground(clBlack);
    hint.SetColorBorder(clLime);
    hint.SetMaxHintWidth(255);
    hint.SetFont(SansSerif(11));
    hint.SetFontColor(clLime);
}

} // namespace fretlore
