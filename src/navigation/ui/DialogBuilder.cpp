#include "navigation/ui/DialogBuilder.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTabBar>
#include <QTreeView>

namespace {
const char* const kIdProperty = "dialogControlId";

QWidget* createControl(const DialogControl& c, QWidget* parent) {
    if (c.kind == QLatin1String("static")) {
        auto* label = new QLabel(c.text, parent);
        if (c.frame)
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        return label;
    }
    if (c.kind == QLatin1String("combo")) {
        auto* combo = new QComboBox(parent);
        combo->setEditable(c.style != QLatin1String("dropdownlist"));
        if (c.style == QLatin1String("dropdownsorted"))
            combo->setInsertPolicy(QComboBox::InsertAlphabetically);
        combo->addItems(c.items);
        return combo;
    }
    if (c.kind == QLatin1String("list") && !c.header) {
        // A list view keeps no record per row, which a tree view keeps for each of a long list's
        // 60,000 rows.
        auto* view = new QListView(parent);
        view->setUniformItemSizes(true);
        view->setSelectionMode(QAbstractItemView::SingleSelection);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        return view;
    }
    if (c.kind == QLatin1String("list") || c.kind == QLatin1String("tree")) {
        auto* view = new QTreeView(parent);
        const bool list = c.kind == QLatin1String("list");
        view->setRootIsDecorated(!list);
        view->setItemsExpandable(!list);
        view->setUniformRowHeights(true);
        view->setHeaderHidden(!list);
        view->setSelectionMode(QAbstractItemView::SingleSelection);
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setAllColumnsShowFocus(true);
        return view;
    }
    if (c.kind == QLatin1String("edit"))
        return new QLineEdit(parent);
    if (c.kind == QLatin1String("button"))
        return new QPushButton(c.text, parent);
    if (c.kind == QLatin1String("check"))
        return new QCheckBox(c.text, parent);
    if (c.kind == QLatin1String("group"))
        return new QGroupBox(c.text, parent);
    if (c.kind == QLatin1String("tab")) {
        auto* tab = new QTabBar(parent);
        tab->setDrawBase(true);
        tab->setExpanding(false);
        return tab;
    }
    return nullptr;
}
} // namespace

DialogUnits::DialogUnits(const QFont& font) {
    // The average width of the Latin letters, as the dialog manager measures it.
    const QFontMetrics metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    m_nCharWidth = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
    m_nCharHeight = metrics.height();
}

QRect DialogUnits::toPixels(const QRect& units) const {
    return QRect(x(units.x()), y(units.y()), x(units.width()), y(units.height()));
}

DialogTemplate loadDialogTemplate(int templateId) {
    QFile file(QStringLiteral(":/ui/dialogs.json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parseDialogTemplate(file.readAll(), templateId);
}

DialogTemplate buildDialog(QWidget* parent, int templateId) {
    DialogTemplate dialog = loadDialogTemplate(templateId);
    if (!dialog.isValid())
        return dialog;
    const DialogUnits units(parent->font());
    for (const DialogControl& c : dialog.controls) {
        QWidget* widget = createControl(c, parent);
        if (!widget)
            continue;
        widget->setProperty(kIdProperty, c.id);
        QRect rect = units.toPixels(c.rect);
        // A combo's template height includes its list; the closed box keeps its own height.
        if (c.kind == QLatin1String("combo"))
            rect.setHeight(widget->sizeHint().height());
        widget->setGeometry(rect);
        widget->setVisible(!c.hidden);
    }
    parent->resize(units.x(dialog.size.width()), units.y(dialog.size.height()));
    return dialog;
}

QWidget* dialogItem(const QWidget* parent, int controlId) {
    if (controlId < 0)
        return nullptr;
    for (QObject* child : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget && widget->property(kIdProperty).toInt() == controlId &&
            widget->property(kIdProperty).isValid())
            return widget;
    }
    return nullptr;
}
