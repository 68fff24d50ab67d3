#include "frame/ui/ToolbarManager.h"

#include "frame/ui/CommandBars.h"
#include "frame/ui/SearchBox.h"
#include "frame/ui/ToolbarIcons.h"
#include "frame/ui/ValidOnField.h"
#include "platform/CommandTable.h"
#include "platform/Registry.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QMainWindow>
#include <QPixmap>
#include <QToolBar>

namespace {
const QString kUserPicture = QStringLiteral("user:");
const QString kToolbarsValue = QStringLiteral("Toolbars");
const QString kLayoutValue = QStringLiteral("Layout");
constexpr int kLayoutVersion = 1;
constexpr int kUserImageWidth = 16;

QString barName(int id) {
    return QStringLiteral("toolbar%1").arg(id);
}
} // namespace

ToolbarManager::ToolbarManager(QMainWindow& frame, CCommandActions& commands,
                               std::vector<ToolbarTemplate> templates, WidgetMaker makeWidget,
                               const QString& programFolder)
    : QObject(&frame), m_frame(frame), m_commands(commands), m_templates(std::move(templates)),
      m_makeWidget(std::move(makeWidget)) {
    // A missing or unreadable picture file only leaves user buttons without its pictures.
    const QImage strip(QDir(programFolder).filePath(QStringLiteral("Tavlin.bmp")));
    if (!strip.isNull())
        for (int x = 0; x + kUserImageWidth <= strip.width(); x += kUserImageWidth)
            m_userImages.emplace_back(
                QPixmap::fromImage(strip.copy(x, 0, kUserImageWidth, strip.height())));
}

void ToolbarManager::AddResourceBar(QToolBar* bar, int id) {
    bar->setObjectName(barName(id));
    bar->setProperty("barId", id);
    m_resourceBars << bar;
    ResetToolbar(id);
}

QList<QToolBar*> ToolbarManager::Bars() const {
    return m_resourceBars + m_userBars;
}

int ToolbarManager::BarId(const QToolBar* bar) const {
    return bar ? bar->property("barId").toInt() : 0;
}

QToolBar* ToolbarManager::GetUserBarByIndex(int index) const {
    return index >= 0 && index < m_userBars.size() ? m_userBars.at(index) : nullptr;
}

QToolBar* ToolbarManager::MakeBar(int id, const QString& title) {
    auto* bar = new QToolBar(title, &m_frame);
    bar->setObjectName(barName(id));
    bar->setProperty("barId", id);
    bar->setIconSize(QSize(16, 15));
    return bar;
}

QToolBar* ToolbarManager::CreateUserToolbar(const QString& title, int id) {
    if (m_userBars.size() >= kMaxUserBars)
        return nullptr;
    QList<int> used;
    for (const QToolBar* bar : m_userBars)
        used << BarId(bar);
    if (id < kFirstUserBarId || id >= kFirstUserBarId + kMaxUserBars || used.contains(id)) {
        id = kFirstUserBarId;
        while (used.contains(id))
            ++id;
    }
    QToolBar* bar = MakeBar(id, title);
    m_frame.addToolBar(Qt::TopToolBarArea, bar);
    bar->show();
    m_userBars << bar;
    emit barsChanged();
    return bar;
}

void ToolbarManager::DeleteUserToolbar(QToolBar* bar) {
    if (!m_userBars.removeOne(bar))
        return;
    m_frame.removeToolBar(bar);
    bar->deleteLater();
    emit barsChanged();
}

bool ToolbarManager::ResetToolbar(int id) {
    const ToolbarTemplate* table = findToolbar(m_templates, id);
    if (!table)
        return false;
    for (QToolBar* bar : m_resourceBars)
        if (BarId(bar) == id) {
            FillBar(bar, *table);
            emit barsChanged();
            return true;
        }
    return false;
}

ToolbarTemplate ToolbarManager::Contents(const QToolBar* bar) const {
    ToolbarTemplate contents;
    contents.id = BarId(bar);
    contents.title = IsUserBar(bar) ? bar->windowTitle() : QString();
    for (QAction* action : bar->actions()) {
        ToolbarEntry entry;
        if (action->isSeparator()) {
            entry.kind = ToolbarEntry::Kind::Separator;
        } else if (QWidget* widget = bar->widgetForAction(action);
                   widget && qobject_cast<CToolbarLabel*>(widget)) {
            entry.kind = ToolbarEntry::Kind::Label;
            entry.id = action->data().toInt();
        } else if (widget && (qobject_cast<CSearchComboButton*>(widget) ||
                              qobject_cast<ValidOnField*>(widget))) {
            entry.kind = ToolbarEntry::Kind::Combo;
            entry.id = action->data().toInt();
            entry.width = widget->width();
        } else {
            entry.id = action->data().toInt();
            entry.icon = action->property("picture").toString();
            if (entry.icon.isEmpty())
                entry.icon = CommandPicture(entry.id);
        }
        contents.entries.push_back(entry);
    }
    // The program's bar as it was, so that a later version can tell what it added since.
    if (const ToolbarTemplate* own = findToolbar(m_templates, contents.id); own && !IsUserBar(bar))
        for (const ToolbarEntry& entry : own->entries)
            if (entry.kind != ToolbarEntry::Kind::Separator)
                contents.offered.push_back(entry.id);
    return contents;
}

void ToolbarManager::SetContents(QToolBar* bar, const ToolbarTemplate& contents) {
    FillBar(bar, contents);
    emit barsChanged();
}

void ToolbarManager::FillBar(QToolBar* bar, const ToolbarTemplate& contents) {
    // Widgets of the bar (label, find box) go with it; the command actions are shared.
    for (QAction* action : bar->actions()) {
        if (QWidget* widget = bar->widgetForAction(action);
            widget &&
            (qobject_cast<CToolbarLabel*>(widget) || qobject_cast<CSearchComboButton*>(widget) ||
             qobject_cast<ValidOnField*>(widget))) {
            bar->removeAction(action);
            widget->deleteLater();
        } else {
            bar->removeAction(action);
            // A user bar's own picture buttons and the separators belong to the bar alone.
            if (action->parent() == bar)
                action->deleteLater();
        }
    }
    const bool bUserBar = IsUserBar(bar);
    for (const ToolbarEntry& entry : contents.entries) {
        switch (entry.kind) {
        case ToolbarEntry::Kind::Separator:
            bar->addSeparator();
            break;
        case ToolbarEntry::Kind::Button: {
            if (entry.id <= 0)
                break;
            QAction* action = m_commands.action(entry.id);
            // A user bar shows the picture chosen for it; the shared action keeps its own.
            if (bUserBar && entry.icon.startsWith(kUserPicture)) {
                auto* own = new QAction(ButtonIcon(entry.icon), action->toolTip(), bar);
                own->setData(entry.id);
                own->setProperty("picture", entry.icon);
                own->setToolTip(action->toolTip());
                own->setEnabled(action->isEnabled());
                connect(own, &QAction::triggered, action, &QAction::trigger);
                connect(action, &QAction::changed, own,
                        [own, action] { own->setEnabled(action->isEnabled()); });
                bar->addAction(own);
                break;
            }
            if (action->icon().isNull() && !CommandPicture(entry.id).isEmpty())
                action->setIcon(toolbarIcon(CommandPicture(entry.id)));
            if (action->text().isEmpty())
                action->setText(action->toolTip());
            bar->addAction(action);
            break;
        }
        case ToolbarEntry::Kind::Label:
        case ToolbarEntry::Kind::Combo:
            // The label and the find box belong to the "Hledat" toolbar only.
            if (BarId(bar) != IDR_HLEDAT_BAR)
                break;
            if (QWidget* widget = m_makeWidget(entry)) {
                QAction* action = bar->addWidget(widget);
                action->setData(entry.id);
                action->setObjectName(QStringLiteral("command%1").arg(entry.id));
            }
            break;
        }
    }
}

QIcon ToolbarManager::ButtonIcon(const QString& name) const {
    if (name.startsWith(kUserPicture)) {
        bool ok = false;
        const int index = name.mid(kUserPicture.size()).toInt(&ok);
        return ok && index >= 0 && index < UserImageCount()
                   ? m_userImages[static_cast<size_t>(index)]
                   : QIcon();
    }
    return name.isEmpty() ? QIcon() : toolbarIcon(name);
}

QString ToolbarManager::CommandPicture(int id) const {
    for (const ToolbarTemplate& table : m_templates)
        for (const ToolbarEntry& entry : table.entries)
            if (entry.kind == ToolbarEntry::Kind::Button && entry.id == id)
                return entry.icon;
    return QString();
}

void ToolbarManager::LoadCustomState() {
    const QString key = GetToolbarStateKey();
    const std::vector<ToolbarTemplate> saved =
        parseToolbarTable(QString::fromUtf8(GetProfileBinary(key, kToolbarsValue)));
    for (const ToolbarTemplate& contents : saved) {
        ToolbarTemplate checked = contents;
        // Only commands of the menus and toolbars; a favourite's id changes from run to run.
        std::erase_if(checked.entries, [this](const ToolbarEntry& entry) {
            return entry.kind == ToolbarEntry::Kind::Button &&
                   !m_availableCommands.contains(entry.id) && CommandPicture(entry.id).isEmpty();
        });
        if (contents.id >= kFirstUserBarId && contents.id < kFirstUserBarId + kMaxUserBars) {
            const QString title =
                contents.title.trimmed().isEmpty()
                    ? LoadResString(IDS_USER_TOOLBAR_NAME).arg(contents.id - kFirstUserBarId + 1)
                    : contents.title;
            if (QToolBar* bar = CreateUserToolbar(title, contents.id))
                SetContents(bar, checked);
            continue;
        }
        for (QToolBar* bar : m_resourceBars)
            if (BarId(bar) == contents.id) {
                const ToolbarTemplate* own = findToolbar(m_templates, contents.id);
                SetContents(bar, own ? withNewCommands(checked, *own) : checked);
            }
    }
    const QByteArray layout = GetProfileBinary(key, kLayoutValue);
    if (!layout.isEmpty())
        m_frame.restoreState(layout, kLayoutVersion);
}

void ToolbarManager::SaveCustomState() const {
    std::vector<ToolbarTemplate> bars;
    for (const QToolBar* bar : Bars())
        bars.push_back(Contents(bar));
    const QString key = GetToolbarStateKey();
    WriteProfileBinary(key, kToolbarsValue, writeToolbarTable(bars).toUtf8());
    WriteProfileBinary(key, kLayoutValue, m_frame.saveState(kLayoutVersion));
}

void ToolbarManager::RegisterCommands(CommandTable& table) {
    for (int id = ID_USER_TOOLBAR_FIRST; id <= ID_USER_TOOLBAR_LAST; ++id) {
        const int index = id - ID_USER_TOOLBAR_FIRST;
        table.add(
            id,
            [this, index](int) {
                if (QToolBar* bar = GetUserBarByIndex(index))
                    bar->setVisible(!bar->isVisible());
            },
            [this, index] { return GetUserBarByIndex(index) != nullptr; },
            [this, index] {
                QToolBar* bar = GetUserBarByIndex(index);
                return bar && bar->isVisible();
            });
    }
}
