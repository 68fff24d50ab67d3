#include "frame/ui/ReadingDay.h"

#include "document/LinkProtocol.h"
#include "document/ValidOnDay.h"
#include "document/ui/TvHtmlView.h"
#include "frame/ui/CompareDialog.h"
#include "frame/ui/ValidOnField.h"
#include "navigation/ui/TvFormView.h"
#include "platform/CommandTable.h"
#include "platform/Messages.h"
#include "platform/ResourceIds.h"

#include <QUrl>

namespace {
// The name of the last anchor at or above the top of the frame: the place the reader is at.
const char* const kPlaceScript = R"(
var best = '', anchors = doc.querySelectorAll('a[name]');
for (var i = 0; i < anchors.length; ++i) {
    if (anchors[i].getBoundingClientRect().top > 1)
        break;
    best = anchors[i].getAttribute('name');
}
return best;)";
} // namespace

ReadingDay::ReadingDay(CTvHtmlView& htmlView, CTvFormView& navView, QWidget* owner)
    : QObject(owner), m_htmlView(htmlView), m_navView(navView), m_pOwner(owner) {
    connect(&m_htmlView, &CTvHtmlView::historyPageShown, this, &ReadingDay::OnHistoryPageShown);
}

ValidOnField* ReadingDay::makeField(int width) {
    auto* field = new ValidOnField(m_pOwner, width);
    field->setDay(m_navView.GetValidOnDay());
    connect(field, &ValidOnField::dayChosen, this, &ReadingDay::ChooseDay);
    m_pField = field;
    return field;
}

void ReadingDay::RegisterCommands(CommandTable& table) {
    table.add(
        ID_COMPARE, [this](int) { OnCompare(); },
        [this] { return m_htmlView.GetCurrentDocumentId() != 0; });
}

void ReadingDay::ChooseDay(const QDate& day) {
    m_navView.SetValidOnDay(day);
    if (m_pField && m_pField->day() != day)
        m_pField->setDay(day);
    const int id = m_htmlView.GetCurrentDocumentId();
    if (id == 0)
        return;
    QPointer<ReadingDay> self(this);
    m_htmlView.RunInTargetDocument(
        QString::fromLatin1(kPlaceScript), [self, id](const QVariant& place) {
            if (!self)
                return;
            const QString name = place.toString();
            const QString anchor = name.isEmpty() ? QString() : QLatin1Char('#') + name;
            if (!self->m_navView.OpenDocument(id, anchor, nullptr))
                ShowMessage(IDS_INVALID_LINK);
        });
}

bool ReadingDay::Compare(const QDate& before, const QDate& after) {
    const int id = m_htmlView.GetCurrentDocumentId();
    return id != 0 && m_navView.ShowComparison(id, before, after);
}

void ReadingDay::OnHistoryPageShown(const QUrl& url) {
    if (documentIdFromLocation(url.toString()) == 0)
        return;
    // A page of today's text carries no day: the field goes back to today.
    const QDate day = dayFromLocation(url.toString()).value_or(QDate());
    m_navView.SetValidOnDay(day);
    if (m_pField)
        m_pField->setDay(day);
}

void ReadingDay::OnCompare() {
    const int id = m_htmlView.GetCurrentDocumentId();
    if (id == 0)
        return;
    const auto [before, after] = m_navView.DefaultComparisonDays(id);
    CompareDialog dialog(before, after, m_pOwner);
    if (dialog.exec() == QDialog::Accepted && !Compare(dialog.before(), dialog.after()))
        ShowMessage(IDS_INVALID_LINK);
}
