// SPDX-License-Identifier: GPL-3.0-or-later
// The searches as the user drives them: keys into the fields, Enter, the
// buttons and their accelerators.
#include "app/MainUnit.h"
#include "controls/LabelControl.h"
#include "controls/ListBoxControl.h"
#include "controls/SpeedButton.h"
#include "flat/TFlatComboBoxUnit.h"
#include "flat/TFlatEditUnit.h"
#include "flat/TFlatProgressBarUnit.h"
#include "media/MediaSystem.h"

#include "AppTestMain.h"

#include <QLineEdit>

using namespace fretlore;

class SearchWindowTest : public QObject {
    Q_OBJECT
private:
    MediaSystem media_{false};

private slots:
    void enterInTheNameFieldFindsTheChord()
    {
        TForm1 form(&media_);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(!form.BitBtn1->isEnabled());
        QTest::keyClicks(form.Edit1->lineEdit(), QStringLiteral("am"));
        QVERIFY(form.BitBtn1->isEnabled());
        QTest::keyClick(form.Edit1->lineEdit(), Qt::Key_Return);
        QCOMPARE(form.ListBox->currentItem()->text().left(3), QStringLiteral("Am "));
        QCOMPARE(form.ChordName->Caption(), QStringLiteral(" Am "));
        QCOMPARE(form.Edit1->count(), 1);
        QVERIFY(form.FlatProgressBar1->isHidden());
    }

    void enterRunsTheSearchEvenWithTheButtonDisabled()
    {
        TForm1 form(&media_);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.ListBox->currentRow(), -1);  // focus alone selects nothing
        QTest::keyClick(form.Edit1->lineEdit(), Qt::Key_Return);  // empty: matches nothing
        QCOMPARE(form.ListBox->currentRow(), -1);
        QVERIFY(!form.isEnabled());  // the not-found report holds the window
        QCOMPARE(form.Edit1->count(), 1);
        QCOMPARE(form.Edit1->itemText(0), QString());
    }

    void theLookSearchFromTheFretEdits()
    {
        TForm1 form(&media_);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const char* frets[6] = {"x", "3", "x", "0", "1", "0"};
        for (int k = 0; k < 6; ++k)
            QTest::keyClicks(form.findChild<TFlatEdit*>(QStringLiteral("Estr%1").arg(6 - k)), QLatin1String(frets[k]));
        QVERIFY(form.BitBtn2->isEnabled());
        QTest::keyClick(form.Estr1, Qt::Key_Return);
        QCOMPARE(form.ListBox->currentRow(), 8);  // "C  x 3 x 0 1 0"
        QCOMPARE(form.Estr6->text(), QStringLiteral("x "));
    }
};

FRETLORE_TEST_MAIN(SearchWindowTest)
#include "SearchWindowTest.moc"
