#include "frame/ui/SearchBox.h"

#include "frame/FindHistory.h"

#include <QKeyEvent>
#include <QLineEdit>

CToolbarLabel::CToolbarLabel(int nCommand, const QString& text, QWidget* parent)
    : QLabel(text, parent), m_nCommand(nCommand) {
    setObjectName(QStringLiteral("toolbarLabel%1").arg(nCommand));
    setContentsMargins(4, 0, 4, 0);
}

CSearchComboButton::CSearchComboButton(QWidget* parent, int width) : QComboBox(parent) {
    setObjectName(QStringLiteral("searchCombo"));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // A plain drop-down: no completion that would change the letter case of the typed text.
    setCompleter(nullptr);
    setFixedWidth(width > 0 ? width : kDefaultWidth);
    lineEdit()->installEventFilter(this);
}

QStringList CSearchComboButton::entries() const {
    QStringList list;
    for (int i = 0; i < count(); ++i)
        list << itemText(i);
    return list;
}

void CSearchComboButton::addFindText(const QString& text) {
    QStringList list = entries();
    addToFindHistory(list, text);
    if (list == entries())
        return;
    clear();
    addItems(list);
    setEditText(text);
}

bool CSearchComboButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !key->isAutoRepeat())
            emit findRequested();
    }
    return QComboBox::eventFilter(watched, event);
}
