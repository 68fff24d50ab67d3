#include "userdata/ui/NoteDlg.h"

#include "platform/ResourceIds.h"
#include "platform/Strings.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <algorithm>

namespace {
// The template's rectangles are in dialog units of the dialog's font: x in quarters of the
// average character width, y in eighths of its height.
QRect fromDialogUnits(const QFontMetrics& metrics, int x, int y, int cx, int cy) {
    const int w = metrics.averageCharWidth();
    const int h = metrics.height();
    return QRect((x * w + 2) / 4, (y * h + 4) / 8, (cx * w + 2) / 4, (cy * h + 4) / 8);
}
} // namespace

CNoteDlg::CNoteDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("noteDialog"));
    setWindowTitle(LoadResString(IDS_NOTE_CAPTION));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    const QFontMetrics metrics(font());
    const auto place = [&metrics](QWidget* widget, int x, int y, int cx, int cy) {
        widget->setGeometry(fromDialogUnits(metrics, x, y, cx, cy));
    };

    // In tab order: the note, "Uložit", "Storno".
    m_pNote = new QPlainTextEdit(this);
    m_pNote->setObjectName(QStringLiteral("control%1").arg(IDC_NOTE_TEXT));
    m_pNote->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_pNote->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_pNote->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pNote->setTabChangesFocus(true);
    place(m_pNote, 7, 15, 209, 82);

    auto* save = new QPushButton(LoadResString(IDS_NOTE_SAVE), this);
    save->setObjectName(QStringLiteral("saveButton"));
    save->setDefault(true);
    save->setAutoDefault(false);
    place(save, 109, 112, 50, 14);
    connect(save, &QPushButton::clicked, this, &CNoteDlg::OnOK);

    auto* cancel = new QPushButton(LoadResString(IDS_NOTE_CANCEL), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAutoDefault(false);
    place(cancel, 166, 112, 50, 14);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    place(line, 7, 104, 209, 1);
    line->setFixedHeight(std::max(2, line->height()));

    m_pDocName = new QLabel(this);
    m_pDocName->setObjectName(QStringLiteral("control%1").arg(IDC_NOTE_NAME));
    m_pDocName->setTextFormat(Qt::PlainText);
    place(m_pDocName, 7, 4, 209, 8);

    setFixedSize(fromDialogUnits(metrics, 0, 0, 223, 132).size());
}

int CNoteDlg::DoModal() {
    return exec();
}

void CNoteDlg::UpdateData(bool bSaveAndValidate) {
    if (bSaveAndValidate) {
        m_strNote = m_pNote->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        return;
    }
    m_pDocName->setText(m_strDocName);
    m_pNote->setPlainText(QString(m_strNote).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void CNoteDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        OnInitDialog();
}

void CNoteDlg::OnInitDialog() {
    UpdateData(false);
    // Centred over the window that owns it, else on the screen.
    const QRect over = parentWidget() ? parentWidget()->window()->frameGeometry()
                       : screen()     ? screen()->availableGeometry()
                                      : QRect();
    if (over.isValid())
        move(over.center() - rect().center());
    m_pNote->setFocus(Qt::OtherFocusReason);
}

void CNoteDlg::OnOK() {
    UpdateData(true);
    accept();
}
