#include "platform/ResourceIds.h"
#include "platform/Strings.h"
#include "userdata/ui/NoteDlg.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
QPlainTextEdit* noteField(const CNoteDlg& dlg) {
    return dlg.findChild<QPlainTextEdit*>(QStringLiteral("control%1").arg(IDC_NOTE_TEXT));
}

// Runs the dialog modally while `act` plays the user.
template <typename Act> int runWith(CNoteDlg& dlg, Act act) {
    QTimer::singleShot(0, &dlg, [&dlg, act] { act(dlg); });
    return dlg.DoModal();
}

void type(QWidget* widget, Qt::Key key, const QString& text = QString()) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}
} // namespace

TEST(NoteDlg, ShowsNameAndNoteAndGivesBackTheEditedLinesOnSave) {
    CNoteDlg dlg;
    dlg.m_strDocName = QStringLiteral("Zákon \"o\" <b>dani</b>");
    dlg.m_strNote = QStringLiteral("první\r\ndruhý");
    QString shownName;
    QString shownNote;
    bool bFocusInNote = false;
    const int result = runWith(dlg, [&](CNoteDlg& d) {
        shownName = d.findChild<QLabel*>(QStringLiteral("control%1").arg(IDC_NOTE_NAME))->text();
        QPlainTextEdit* field = noteField(d);
        shownNote = field->toPlainText();
        bFocusInNote = QApplication::focusWidget() == field || d.focusWidget() == field;
        field->moveCursor(QTextCursor::End);
        // Enter makes a new line in the note; it does not press "Uložit".
        type(field, Qt::Key_Return, QStringLiteral("\r"));
        type(field, Qt::Key_T, QStringLiteral("t"));
        EXPECT_TRUE(d.isVisible());
        d.findChild<QPushButton*>(QStringLiteral("saveButton"))->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(shownName, dlg.m_strDocName);
    EXPECT_EQ(shownNote, QStringLiteral("první\ndruhý"));
    EXPECT_TRUE(bFocusInNote);
    EXPECT_EQ(dlg.m_strNote, QStringLiteral("první\r\ndruhý\r\nt"));
    EXPECT_EQ(dlg.windowTitle(), LoadResString(IDS_NOTE_CAPTION));
}

TEST(NoteDlg, CancelAndEscapeLeaveTheNoteAsItWas) {
    for (const bool bEscape : {false, true}) {
        CNoteDlg dlg;
        dlg.m_strNote = QStringLiteral("stará");
        const int result = runWith(dlg, [bEscape](CNoteDlg& d) {
            noteField(d)->setPlainText(QStringLiteral("nová"));
            if (bEscape)
                type(noteField(d), Qt::Key_Escape);
            else
                d.findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
        });
        EXPECT_EQ(result, QDialog::Rejected);
        EXPECT_EQ(dlg.m_strNote, QStringLiteral("stará"));
    }
}
