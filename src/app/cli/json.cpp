#include "json.h"

using namespace Qt::StringLiterals;

namespace {

QString quoted(const QString& text)
{
    QString out = u"\""_s;
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'"': out += u"\\\""_s; break;
        case u'\\': out += u"\\\\"_s; break;
        case u'\n': out += u"\\n"_s; break;
        case u'\r': out += u"\\r"_s; break;
        case u'\t': out += u"\\t"_s; break;
        default:
            if (c.unicode() < 0x20)
                out += u"\\u%1"_s.arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out + u'"';
}

} // namespace

Json& Json::add(const QString& key, Json value)
{
    auto& o = std::get<Object>(m_value);
    o.keys.push_back(key);
    o.values.push_back(std::move(value));
    return *this;
}

Json& Json::add(Json value)
{
    std::get<Array>(m_value).items.push_back(std::move(value));
    return *this;
}

bool Json::isFlat() const
{
    const std::vector<Json>* children = nullptr;
    if (const auto* o = std::get_if<Object>(&m_value))
        children = &o->values;
    else if (const auto* a = std::get_if<Array>(&m_value))
        children = &a->items;
    if (!children)
        return true;
    for (const Json& c : *children)
        if (std::holds_alternative<Object>(c.m_value) || std::holds_alternative<Array>(c.m_value))
            return false;
    return true;
}

void Json::write(QString& out, int indent) const
{
    const bool flat = isFlat();
    const QString inner = flat ? QString() : u"\n"_s + QString(indent + 2, u' ');
    const QString close = flat ? QString() : u"\n"_s + QString(indent, u' ');
    const QString separator = flat ? u", "_s : u","_s;
    if (std::holds_alternative<std::monostate>(m_value)) {
        out += u"null"_s;
    } else if (const auto* b = std::get_if<bool>(&m_value)) {
        out += *b ? u"true"_s : u"false"_s;
    } else if (const auto* n = std::get_if<long long>(&m_value)) {
        out += QString::number(*n);
    } else if (const auto* s = std::get_if<QString>(&m_value)) {
        out += quoted(*s);
    } else if (const auto* o = std::get_if<Object>(&m_value)) {
        out += u'{';
        for (std::size_t i = 0; i < o->keys.size(); ++i) {
            out += (i ? separator : QString()) + inner + quoted(o->keys[i]) + u": "_s;
            o->values[i].write(out, indent + 2);
        }
        out += (o->keys.empty() ? QString() : close) + u'}';
    } else if (const auto* a = std::get_if<Array>(&m_value)) {
        out += u'[';
        for (std::size_t i = 0; i < a->items.size(); ++i) {
            out += (i ? separator : QString()) + inner;
            a->items[i].write(out, indent + 2);
        }
        out += (a->items.empty() ? QString() : close) + u']';
    }
}

QString Json::toText() const
{
    QString out;
    write(out, 0);
    return out;
}
