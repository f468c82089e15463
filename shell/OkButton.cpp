#include "shell/OkButton.h"

#include "flat/TFlatButtonUnit.h"
#include "platform/FontSubstitutes.h"
#include "platform/TColor.h"

namespace fretlore {

TFlatButton* CreateOkButton(QWidget* window, int left, int top)
{
    const QColor lime = ToQColor(clLime);
    const QColor black = ToQColor(clBlack);
    auto* button = new TFlatButton(window);
    button->setObjectName(QStringLiteral("FlatButton1"));
    button->setGeometry(left, top, 97, 25);
    button->SetCaption(QStringLiteral("OK"));
    button->setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11));
    button->SetFontColor(lime);
    button->SetColorFocused(black);
    button->SetColorDown(black);
    button->SetColorBorder(black);
    button->SetColorHighLight(lime);
    button->SetColorShadow(lime);
    return button;
}

} // namespace fretlore
