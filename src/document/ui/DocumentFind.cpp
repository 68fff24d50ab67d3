#include "document/ui/DocumentFind.h"

#include "document/ui/TvHtmlView.h"
#include "platform/Messages.h"
#include "platform/ResourceIds.h"
#include "platform/Strings.h"

#include <QFile>
#include <QGuiApplication>

namespace {
const QString& textScript() {
    static const QString script = [] {
        QFile file(QStringLiteral(":/ui/DocumentText.js"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }();
    return script;
}
} // namespace

DocumentFind::DocumentFind(CTvHtmlView& view) : QObject(&view), m_view(view) {}

void DocumentFind::Reset() {
    m_state.reset();
    ++m_nGeneration;
}

void DocumentFind::FindInText(const QString& text) {
    if (text.isEmpty()) {
        ShowMessage(IDS_ENTER_SEARCH_TEXT);
        emit finished();
        return;
    }
    run(
        text,
        [text](FindBookmarks& state, const QString& page) { return findInText(state, page, text); },
        false, [text](const QString& page) { return findAllInText(page, text); });
}

void DocumentFind::FindSearchedNext(const QString& expression, const QStringList& words) {
    FindSearched(expression, words, findSearchedNext);
}

void DocumentFind::FindSearchedPrevious(const QString& expression, const QStringList& words) {
    FindSearched(expression, words, findSearchedPrevious);
}

void DocumentFind::FindSearched(const QString& expression, const QStringList& words,
                                SearchedStep searched) {
    if (expression.isEmpty()) {
        emit finished();
        return;
    }
    run(
        expression,
        [words, searched](FindBookmarks& state, const QString& page) {
            return searched(state, page, words);
        },
        true);
}

void DocumentFind::run(const QString& shownText, const Step& step, bool bWaitCursor,
                       const Marks& marks) {
    if (bWaitCursor)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const int generation = m_nGeneration;
    m_view.RunInTargetDocument(
        textScript() + QStringLiteral("var t = tavlinTextSegments(doc); return t ? t.text : null;"),
        [this, shownText, step, bWaitCursor, generation, marks](const QVariant& value) {
            if (bWaitCursor)
                QGuiApplication::restoreOverrideCursor();
            // No body to search, or the page has changed meanwhile.
            if (generation != m_nGeneration || value.isNull() || !value.isValid()) {
                emit finished();
                return;
            }
            const QString page = value.toString();
            const FindOutcome outcome = step(m_state, page);
            if (outcome.hit.found()) {
                const std::vector<TextHit> all = marks ? marks(page) : std::vector<TextHit>();
                if (marks)
                    emit occurrenceShown(occurrenceNumber(all, outcome.hit.start),
                                         static_cast<int>(all.size()));
                select(outcome.hit, all);
                return;
            }
            if (outcome.message == FindMessage::NotFound)
                ShowMessage(
                    LoadResString(IDS_TEXT_NOT_FOUND).replace(QLatin1String("%s"), shownText));
            emit finished();
        });
}

void DocumentFind::select(const TextHit& hit, const std::vector<TextHit>& marks) {
    QStringList ranges;
    for (const TextHit& mark : marks)
        ranges << QStringLiteral("[%1,%2]").arg(mark.start).arg(mark.length);
    // The searched words' stepping leaves the marks of the last find in text as they are.
    const QString markAll =
        marks.empty()
            ? QString()
            : QStringLiteral("tavlinMarkAll(doc, [%1]);").arg(ranges.join(QLatin1Char(',')));
    m_view.RunInTargetDocument(
        textScript() + markAll +
            QStringLiteral("return tavlinSelectText(doc, %1, %2);").arg(hit.start).arg(hit.length),
        [this](const QVariant&) { emit finished(); });
}

void DocumentFind::CopyText(bool bSelectAll) {
    const QString selectAll =
        bSelectAll ? QStringLiteral("doc.execCommand('selectAll', false, true);") : QString();
    m_view.RunInTargetDocument(
        QStringLiteral("if (!doc.body) return false; %1 return doc.execCommand('copy', false, "
                       "true);")
            .arg(selectAll),
        [this](const QVariant&) { emit finished(); });
}
