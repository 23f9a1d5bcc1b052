// A JSON value that keeps the order its members were added in, so the output reads in the order
// of the tally window and the projection table.
#pragma once

#include <QString>
#include <optional>
#include <variant>
#include <vector>

class Json {
public:
    Json() = default; // null
    Json(int value) : m_value(static_cast<long long>(value)) {}
    Json(long long value) : m_value(value) {}
    Json(QString value) : m_value(std::move(value)) {}
    // A number, or null when there is none.
    template <typename T> Json(const std::optional<T>& value)
    {
        if (value)
            m_value = static_cast<long long>(*value);
    }

    // true or false; a named maker, so that no number turns into a flag by accident.
    static Json boolean(bool value)
    {
        Json j;
        j.m_value = value;
        return j;
    }
    static Json object() { return Json(Object{}); }
    static Json array() { return Json(Array{}); }

    // Members of an object, in order; items of an array.
    Json& add(const QString& key, Json value);
    Json& add(Json value);

    // Two-space indentation; an array or object of plain values stays on one line.
    QString toText() const;

private:
    struct Object {
        std::vector<QString> keys;
        std::vector<Json> values;
    };
    struct Array {
        std::vector<Json> items;
    };
    explicit Json(Object o) : m_value(std::move(o)) {}
    explicit Json(Array a) : m_value(std::move(a)) {}

    bool isFlat() const;
    void write(QString& out, int indent) const;

    std::variant<std::monostate, bool, long long, QString, Object, Array> m_value;
};
