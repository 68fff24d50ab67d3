#include "navigation/DialogTemplate.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

const DialogControl* DialogTemplate::control(int controlId) const {
    for (const DialogControl& c : controls) {
        if (c.id == controlId)
            return &c;
    }
    return nullptr;
}

namespace {
DialogControl parseControl(const QJsonObject& object) {
    DialogControl c;
    c.id = object.value(QStringLiteral("id")).toInt(-1);
    c.kind = object.value(QStringLiteral("kind")).toString();
    c.style = object.value(QStringLiteral("style")).toString();
    c.text = object.value(QStringLiteral("text")).toString();
    const QJsonArray r = object.value(QStringLiteral("rect")).toArray();
    if (r.size() == 4)
        c.rect = QRect(r[0].toInt(), r[1].toInt(), r[2].toInt(), r[3].toInt());
    c.hidden = object.value(QStringLiteral("hidden")).toBool();
    c.frame = object.value(QStringLiteral("frame")).toBool();
    c.header = object.value(QStringLiteral("header")).toBool();
    for (const QJsonValue& item : object.value(QStringLiteral("items")).toArray())
        c.items << item.toString();
    return c;
}
} // namespace

DialogTemplate parseDialogTemplate(const QByteArray& json, int id) {
    DialogTemplate result;
    const QJsonArray dialogs =
        QJsonDocument::fromJson(json).object().value(QStringLiteral("dialogs")).toArray();
    for (const QJsonValue& value : dialogs) {
        const QJsonObject dialog = value.toObject();
        if (dialog.value(QStringLiteral("id")).toInt() != id)
            continue;
        result.id = id;
        result.size = QSize(dialog.value(QStringLiteral("width")).toInt(),
                            dialog.value(QStringLiteral("height")).toInt());
        for (const QJsonValue& control : dialog.value(QStringLiteral("controls")).toArray())
            result.controls << parseControl(control.toObject());
        break;
    }
    return result;
}
