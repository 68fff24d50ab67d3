#include "userdata/XmlWriter.h"

#include <libxml/tree.h>
#include <memory>
#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>

namespace {
QString fromXml(const xmlChar* text) {
    return text ? QString::fromUtf8(reinterpret_cast<const char*>(text)) : QString();
}

QString qualifiedName(const xmlChar* name, const xmlNs* ns) {
    if (ns && ns->prefix)
        return fromXml(ns->prefix) + QLatin1Char(':') + fromXml(name);
    return fromXml(name);
}

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// Collects the file's bytes: markup must be representable as it is, content may fall back to
// character references.
class Output {
public:
    Output() {
        UErrorCode status = U_ZERO_ERROR;
        m_markup.reset(ucnv_open("windows-1250", &status));
        m_content.reset(ucnv_open("windows-1250", &status));
        if (U_SUCCESS(status))
            ucnv_setFromUCallBack(m_content.get(), UCNV_FROM_U_CALLBACK_ESCAPE, UCNV_ESCAPE_XML_DEC,
                                  nullptr, nullptr, &status);
        if (U_FAILURE(status))
            fail(QStringLiteral("Windows-1250 converter unavailable"));
        else
            ucnv_setFromUCallBack(m_markup.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr,
                                  nullptr, &status);
    }

    void markup(const QString& text) { convert(m_markup.get(), text); }
    void content(const QString& text) { convert(m_content.get(), text); }

    bool failed() const { return !m_strError.isEmpty(); }
    const QString& error() const { return m_strError; }
    const QByteArray& bytes() const { return m_bytes; }

private:
    void fail(const QString& error) {
        if (m_strError.isEmpty())
            m_strError = error;
    }

    void convert(UConverter* converter, const QString& text) {
        if (failed() || text.isEmpty())
            return;
        UErrorCode status = U_ZERO_ERROR;
        const auto* source = reinterpret_cast<const UChar*>(text.utf16());
        const int32_t needed = ucnv_fromUChars(converter, nullptr, 0, source,
                                               static_cast<int32_t>(text.size()), &status);
        if (status != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(status)) {
            fail(QStringLiteral("'%1' cannot be written in Windows-1250").arg(text.left(40)));
            return;
        }
        status = U_ZERO_ERROR;
        const qsizetype start = m_bytes.size();
        m_bytes.resize(start + needed);
        ucnv_fromUChars(converter, m_bytes.data() + start, needed, source,
                        static_cast<int32_t>(text.size()), &status);
        if (U_FAILURE(status) && status != U_STRING_NOT_TERMINATED_WARNING)
            fail(QStringLiteral("'%1' cannot be written in Windows-1250").arg(text.left(40)));
    }

    Converter m_markup;
    Converter m_content;
    QByteArray m_bytes;
    QString m_strError;
};

const QString kLineEnd = QStringLiteral("\r\n");

// Text as it stands between tags, or a value between double quotes. In text the tree's line
// breaks are written as CR LF; whatever reading would change (a carriage return of its own,
// whitespace in a value) is written as a reference.
QString escape(const QString& text, bool bAttribute) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '&')
            out += QStringLiteral("&amp;");
        else if (u == '<')
            out += QStringLiteral("&lt;");
        else if (u == '>' && !bAttribute)
            out += QStringLiteral("&gt;");
        else if (u == '"' && bAttribute)
            out += QStringLiteral("&quot;");
        else if (u == '\n' && !bAttribute)
            out += kLineEnd;
        else if (u == '\r' || (bAttribute && (u == '\n' || u == '\t')))
            out += QStringLiteral("&#%1;").arg(int(u));
        else
            out += c;
    }
    return out;
}

QString withLineEnds(QString text) {
    return text.replace(QLatin1Char('\n'), kLineEnd);
}

void writeNode(Output& out, const xmlNode* node);

void writeElement(Output& out, const xmlNode* element) {
    const QString name = qualifiedName(element->name, element->ns);
    out.markup(QLatin1Char('<') + name);
    for (const xmlAttr* attr = element->properties; attr; attr = attr->next) {
        out.markup(QLatin1Char(' ') + qualifiedName(attr->name, attr->ns) + QStringLiteral("=\""));
        xmlChar* value = xmlNodeGetContent(reinterpret_cast<const xmlNode*>(attr));
        out.content(escape(fromXml(value), true));
        xmlFree(value);
        out.markup(QStringLiteral("\""));
    }
    for (const xmlNs* ns = element->nsDef; ns; ns = ns->next) {
        out.markup(ns->prefix ? QStringLiteral(" xmlns:") + fromXml(ns->prefix)
                              : QStringLiteral(" xmlns"));
        out.markup(QStringLiteral("=\""));
        out.content(escape(fromXml(ns->href), true));
        out.markup(QStringLiteral("\""));
    }
    if (!element->children) {
        out.markup(QStringLiteral("/>"));
        return;
    }
    out.markup(QStringLiteral(">"));
    for (const xmlNode* child = element->children; child; child = child->next)
        writeNode(out, child);
    out.markup(QStringLiteral("</") + name + QLatin1Char('>'));
}

void writeNode(Output& out, const xmlNode* node) {
    switch (node->type) {
    case XML_ELEMENT_NODE:
        writeElement(out, node);
        break;
    case XML_TEXT_NODE:
    case XML_CDATA_SECTION_NODE:
        out.content(escape(fromXml(node->content), false));
        break;
    case XML_COMMENT_NODE:
        out.markup(QStringLiteral("<!--") + withLineEnds(fromXml(node->content)) +
                   QStringLiteral("-->"));
        break;
    case XML_PI_NODE: {
        QString pi = QStringLiteral("<?") + fromXml(node->name);
        if (node->content && *node->content)
            pi += QLatin1Char(' ') + withLineEnds(fromXml(node->content));
        out.markup(pi + QStringLiteral("?>"));
        break;
    }
    default:
        // Entity references and document types are refused when the file is read.
        break;
    }
}
} // namespace

std::optional<QByteArray> writeDataFile(xmlDocPtr doc, QString* error) {
    Output out;
    out.markup(QStringLiteral("<?xml version=\"1.0\" encoding=\"Windows-1250\"?>") + kLineEnd);
    for (const xmlNode* node = doc->children; node; node = node->next) {
        writeNode(out, node);
        out.markup(kLineEnd);
    }
    if (out.failed()) {
        if (error)
            *error = out.error();
        return std::nullopt;
    }
    return out.bytes();
}
