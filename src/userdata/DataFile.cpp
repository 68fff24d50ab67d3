#include "userdata/DataFile.h"

#include "userdata/XmlWriter.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>
#include <memory>

namespace {
// The namespaces name the files' vocabulary; no schema is read from them.
constexpr const char* kNotesUri = "http://www.ardenvolt.cz/schema/tavlinnotes.xsd";
constexpr const char* kFavouritesUri = "http://www.ardenvolt.cz/schema/tavlinfavourites.xsd";

const xmlChar* xml(const char* text) {
    return reinterpret_cast<const xmlChar*>(text);
}

QString fromXml(const xmlChar* text) {
    return text ? QString::fromUtf8(reinterpret_cast<const char*>(text)) : QString();
}

struct ElementNames {
    const char* root;
    const char* entry;
    const char* name;
};

ElementNames namesOf(DataKind kind) {
    return kind == DataKind::Notes ? ElementNames{"notes", "note", "docname"}
                                   : ElementNames{"favourites", "favourite", "docname"};
}

// A string literal of XPath 1.0, which knows no escapes: quotes of the other kind delimit it, and
// a text with both kinds is put together with concat().
QString xpathLiteral(const QString& text) {
    if (!text.contains(QLatin1Char('"')))
        return QLatin1Char('"') + text + QLatin1Char('"');
    if (!text.contains(QLatin1Char('\'')))
        return QLatin1Char('\'') + text + QLatin1Char('\'');
    QStringList parts;
    for (const QString& piece : text.split(QLatin1Char('"')))
        parts << QLatin1Char('"') + piece + QLatin1Char('"');
    return QStringLiteral("concat(") + parts.join(QStringLiteral(", '\"', ")) + QLatin1Char(')');
}

// Errors of the library are results here, not lines on standard error.
void ignoreError(void*, xmlErrorPtr) {}

void initLibrary() {
    static const bool initialised = [] {
        xmlInitParser();
        xmlSetStructuredErrorFunc(nullptr, ignoreError);
        return true;
    }();
    (void)initialised;
}

struct XPathContextFree {
    void operator()(xmlXPathContext* context) const { xmlXPathFreeContext(context); }
};

bool sameNamespace(const xmlNode* a, const xmlNode* b) {
    return a->ns && b->ns && xmlStrEqual(a->ns->href, b->ns->href);
}

xmlNodePtr firstChild(xmlNodePtr node, const char* child) {
    for (xmlNodePtr c = node ? node->children : nullptr; c; c = c->next)
        if (c->type == XML_ELEMENT_NODE && xmlStrEqual(c->name, xml(child)) &&
            sameNamespace(c, node))
            return c;
    return nullptr;
}

xmlNodePtr newTextNode(xmlDocPtr doc, const QString& text) {
    return xmlNewDocText(doc, xml(text.toUtf8().constData()));
}
} // namespace

void DataFile::XPathObjectFree::operator()(xmlXPathObject* object) const {
    xmlXPathFreeObject(object);
}

DataFile::DataFile(DataKind kind) : m_kind(kind) {
    initLibrary();
}

DataFile::~DataFile() {
    if (m_pDoc)
        xmlFreeDoc(m_pDoc);
}

const char* DataFile::namespaceUri(DataKind kind) {
    return kind == DataKind::Notes ? kNotesUri : kFavouritesUri;
}

const char* DataFile::prefix(DataKind kind) {
    return kind == DataKind::Notes ? "tnt" : "tfv";
}

bool DataFile::load(const QByteArray& bytes) {
    if (m_pDoc)
        xmlFreeDoc(m_pDoc);
    m_pDoc = nullptr;
    // No network, no external entities, no document type: only the tree the file spells out. A
    // file whose prefixes are not all declared (or bound to what is no URI) is as broken as one
    // that is not well-formed.
    xmlParserCtxtPtr parser = xmlNewParserCtxt();
    if (!parser)
        return false;
    m_pDoc = xmlCtxtReadMemory(
        parser, bytes.constData(), static_cast<int>(bytes.size()), nullptr, nullptr,
        XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING | XML_PARSE_NOCDATA);
    const bool bNamespacesSound = parser->nsWellFormed;
    xmlFreeParserCtxt(parser);
    if (m_pDoc && (!bNamespacesSound || m_pDoc->intSubset || m_pDoc->extSubset ||
                   !xmlDocGetRootElement(m_pDoc))) {
        xmlFreeDoc(m_pDoc);
        m_pDoc = nullptr;
    }
    return m_pDoc != nullptr;
}

void DataFile::createEmpty() {
    if (m_pDoc)
        xmlFreeDoc(m_pDoc);
    m_pDoc = xmlNewDoc(xml("1.0"));
    xmlNodePtr root = xmlNewDocNode(m_pDoc, nullptr, xml(namesOf(m_kind).root), nullptr);
    xmlNewProp(root, xml("version"), xml("1.0"));
    xmlSetNs(root, xmlNewNs(root, xml(namespaceUri(m_kind)), xml(prefix(m_kind))));
    xmlDocSetRootElement(m_pDoc, root);
}

std::optional<QByteArray> DataFile::save(QString* error) const {
    if (!m_pDoc)
        return std::nullopt;
    return writeDataFile(m_pDoc, error);
}

DataFile::XPathResult DataFile::evaluate(const QString& expression, xmlNodePtr context) const {
    if (!m_pDoc)
        return {};
    std::unique_ptr<xmlXPathContext, XPathContextFree> xpath(xmlXPathNewContext(m_pDoc));
    if (!xpath)
        return {};
    xmlXPathRegisterNs(xpath.get(), xml(prefix(m_kind)), xml(namespaceUri(m_kind)));
    xpath->node = context ? context : reinterpret_cast<xmlNodePtr>(m_pDoc);
    XPathResult result(xmlXPathEvalExpression(xml(expression.toUtf8().constData()), xpath.get()));
    if (!result || result->type != XPATH_NODESET || !result->nodesetval ||
        result->nodesetval->nodeNr == 0)
        return {};
    return result;
}

xmlNodePtr DataFile::select(const QString& expression, xmlNodePtr context) const {
    const XPathResult result = evaluate(expression, context);
    return result ? result->nodesetval->nodeTab[0] : nullptr;
}

xmlNodePtr DataFile::root() const {
    return select(QStringLiteral("//%1:%2").arg(QLatin1String(prefix(m_kind)),
                                                QLatin1String(namesOf(m_kind).root)),
                  nullptr);
}

xmlNodePtr DataFile::findEntry(xmlNodePtr root, const QString& name) const {
    if (!root)
        return nullptr;
    const QString p = QLatin1String(prefix(m_kind));
    const ElementNames names = namesOf(m_kind);
    return select(
        QStringLiteral("%1:%2[%1:%3 = %4]")
            .arg(p, QLatin1String(names.entry), QLatin1String(names.name), xpathLiteral(name)),
        root);
}

QStringList DataFile::entryNames() const {
    const ElementNames element = namesOf(m_kind);
    const XPathResult result =
        evaluate(QStringLiteral("//%1:%2/%1:%3")
                     .arg(QLatin1String(prefix(m_kind)), QLatin1String(element.root),
                          QLatin1String(element.entry)),
                 nullptr);
    QStringList names;
    for (int i = 0; result && i < result->nodesetval->nodeNr; ++i) {
        QString name;
        GetChildText(result->nodesetval->nodeTab[i], element.name, name);
        names << name;
    }
    return names;
}

bool DataFile::GetChildText(xmlNodePtr node, const char* child, QString& text) {
    xmlNodePtr found = firstChild(node, child);
    if (!found)
        return false;
    xmlChar* content = xmlNodeGetContent(found);
    text = fromXml(content);
    xmlFree(content);
    return true;
}

bool DataFile::SetChildText(xmlNodePtr node, const char* child, const QString& text) {
    xmlNodePtr found = firstChild(node, child);
    if (!found)
        return false;
    while (xmlNodePtr old = found->children) {
        xmlUnlinkNode(old);
        xmlFreeNode(old);
    }
    if (!text.isEmpty())
        xmlAddChild(found, newTextNode(found->doc, text));
    return true;
}

void DataFile::appendEntry(xmlNodePtr root,
                           const QList<std::pair<const char*, QString>>& children) {
    // The entry takes the root's own namespace, under whatever prefix the file binds it to.
    xmlNodePtr entry = xmlNewDocNode(m_pDoc, root->ns, xml(namesOf(m_kind).entry), nullptr);
    for (const auto& [name, text] : children) {
        xmlNodePtr element = xmlNewDocNode(m_pDoc, root->ns, xml(name), nullptr);
        if (!text.isEmpty())
            xmlAddChild(element, newTextNode(m_pDoc, text));
        xmlAddChild(entry, element);
    }
    xmlAddChild(root, entry);
    xmlAddChild(root, newTextNode(m_pDoc, QStringLiteral("\n")));
}

void DataFile::removeEntry(xmlNodePtr entry) {
    xmlUnlinkNode(entry);
    xmlFreeNode(entry);
}
