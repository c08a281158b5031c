#include "jet/Recordset.h"

#include "jet/Text.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace jet {

namespace {

struct Token
{
    enum class Kind { Word, Name, String, Symbol, End } kind = Kind::End;
    std::string text;
};

// Splits the little SQL and criteria we accept: words, [bracketed names], 'strings' and "strings" with the
// quote doubled inside, and one-character symbols.
class Lexer
{
public:
    explicit Lexer(const std::string &text) : m_text(text) {}

    Token next()
    {
        while (m_pos < m_text.size() && std::isspace(static_cast<unsigned char>(m_text[m_pos])))
            ++m_pos;
        if (m_pos >= m_text.size())
            return {};
        const char c = m_text[m_pos];
        if (c == '[') {
            const auto close = m_text.find(']', m_pos + 1);
            if (close == std::string::npos)
                throw std::string("a [ without its ]");
            Token t{Token::Kind::Name, m_text.substr(m_pos + 1, close - m_pos - 1)};
            m_pos = close + 1;
            return t;
        }
        if (c == '\'' || c == '"') {
            std::string value;
            for (++m_pos;; ++m_pos) {
                if (m_pos >= m_text.size())
                    throw std::string("a text without its closing quote");
                if (m_text[m_pos] == c) {
                    if (m_pos + 1 < m_text.size() && m_text[m_pos + 1] == c) {
                        value += c;
                        ++m_pos;
                        continue;
                    }
                    ++m_pos;
                    break;
                }
                value += m_text[m_pos];
            }
            return {Token::Kind::String, value};
        }
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '_' ||
            static_cast<unsigned char>(c) >= 0x80) {
            const std::size_t start = m_pos;
            while (m_pos < m_text.size() &&
                   (std::isalnum(static_cast<unsigned char>(m_text[m_pos])) || m_text[m_pos] == '_' ||
                    m_text[m_pos] == '.' || static_cast<unsigned char>(m_text[m_pos]) >= 0x80))
                ++m_pos;
            return {Token::Kind::Word, m_text.substr(start, m_pos - start)};
        }
        ++m_pos;
        return {Token::Kind::Symbol, std::string(1, c)};
    }

private:
    const std::string &m_text;
    std::size_t m_pos = 0;
};

bool isKeyword(const Token &t, const char *word)
{
    if (t.kind != Token::Kind::Word || t.text.size() != std::char_traits<char>::length(word))
        return false;
    for (std::size_t i = 0; i < t.text.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(t.text[i])) != word[i])
            return false;
    return true;
}

bool isName(const Token &t)
{
    return t.kind == Token::Kind::Name || t.kind == Token::Kind::Word;
}

double numberOf(const Value &v)
{
    return v.kind == Value::Kind::Single || v.kind == Value::Kind::Double || v.kind == Value::Kind::DateTime
               ? v.real
               : static_cast<double>(v.integer);
}

bool isAscii(const std::string &s)
{
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

int compareText(const std::string &a, const std::string &b)
{
    if (isAscii(a) && isAscii(b)) { // the common case, without building folded copies
        const std::size_t n = std::min(a.size(), b.size());
        for (std::size_t i = 0; i < n; ++i) {
            const int x = std::tolower(static_cast<unsigned char>(a[i]));
            const int y = std::tolower(static_cast<unsigned char>(b[i]));
            if (x != y)
                return x < y ? -1 : 1;
        }
        return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
    }
    const std::u32string x = foldCase(a), y = foldCase(b);
    return x < y ? -1 : y < x ? 1 : 0;
}

// Nulls first, text without regard to case, numbers by value.
int compareValues(const Value &a, const Value &b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull() ? 0 : a.isNull() ? -1 : 1;
    if (a.kind == Value::Kind::Text || b.kind == Value::Kind::Text || a.kind == Value::Kind::Binary)
        return compareText(a.text, b.text);
    const double x = numberOf(a), y = numberOf(b);
    return x < y ? -1 : y < x ? 1 : 0;
}

} // namespace

Result<std::unique_ptr<Recordset>> Recordset::open(Database &db, const std::string &sql)
{
    return guarded([&]() -> Result<std::unique_ptr<Recordset>> {
        std::unique_ptr<Recordset> set(new Recordset(db));
        std::string table, orderField;
        bool descending = false;
        try {
            Lexer lex(sql);
            Token t = lex.next();
            if (!isKeyword(t, "select") || lex.next().text != "*" || !isKeyword(lex.next(), "from"))
                throw std::string("only \"Select * From <table>\" is understood");
            t = lex.next();
            if (!isName(t))
                throw std::string("a table name must follow From");
            table = t.text;
            t = lex.next();
            if (isKeyword(t, "order")) {
                if (!isKeyword(lex.next(), "by"))
                    throw std::string("By must follow Order");
                t = lex.next();
                if (!isName(t))
                    throw std::string("a field name must follow Order By");
                orderField = t.text;
                t = lex.next();
                if (isKeyword(t, "asc") || isKeyword(t, "desc")) {
                    descending = isKeyword(t, "desc");
                    t = lex.next();
                }
            }
            if (t.kind == Token::Kind::Symbol && t.text == ";")
                t = lex.next();
            if (t.kind != Token::Kind::End)
                throw std::string("unexpected \"" + t.text + "\"");
        } catch (const std::string &why) {
            fail(ErrorKind::BadQuery, "Cannot run \"" + sql + "\" on \"" + db.path() + "\": " + why);
        }

        auto def = db.tableDef(table);
        if (!def)
            return def.error();
        set->m_def = *def;
        set->m_table = def->name;
        set->m_writable = db.checkWritable(table);
        std::optional<std::size_t> order;
        if (!orderField.empty()) {
            order = set->fieldIndex(orderField);
            if (!order)
                fail(ErrorKind::NoSuchField, "No field \"" + orderField + "\" in table \"" + def->name +
                                                 "\" of \"" + db.path() + "\"");
        }
        // One read, so the rows are those of one moment even while another program changes the file.
        auto data = db.readTable(table);
        if (!data)
            return data.error();
        for (std::size_t i = 0; i < data->rows.size(); ++i)
            set->m_rows.push_back({data->ids[i], std::move(data->rows[i])});
        if (order)
            std::stable_sort(set->m_rows.begin(), set->m_rows.end(), [&](const Row &a, const Row &b) {
                const int c = compareValues(a.values[*order], b.values[*order]);
                return descending ? c > 0 : c < 0;
            });
        return set;
    });
}

std::vector<std::string> Recordset::fieldNames() const
{
    std::vector<std::string> names;
    for (const Column &c : m_def.columns)
        names.push_back(c.name);
    return names;
}

std::optional<std::size_t> Recordset::fieldIndex(const std::string &field) const
{
    const Column *c = m_def.column(field);
    if (!c)
        return std::nullopt;
    return static_cast<std::size_t>(c - m_def.columns.data());
}

void Recordset::leave()
{
    m_deleted = false;
    m_edits.clear();
    m_adding = false;
    m_newRecord.clear();
}

void Recordset::moveFirst()
{
    leave();
    m_current = 0;
}

void Recordset::moveLast()
{
    leave();
    m_current = m_rows.empty() ? 0 : m_rows.size() - 1;
}

void Recordset::moveNext()
{
    const bool afterDelete = m_deleted;
    leave();
    if (afterDelete) // the record after the deleted one has taken its place
        m_current = std::min(m_current, m_rows.empty() ? 0 : m_rows.size() - 1);
    else if (m_current + 1 < m_rows.size())
        ++m_current;
    else if (!m_rows.empty())
        m_current = m_rows.size() - 1;
}

void Recordset::movePrevious()
{
    leave();
    if (m_current > 0)
        --m_current;
    if (m_current >= m_rows.size())
        m_current = m_rows.empty() ? 0 : m_rows.size() - 1;
}

Result<bool> Recordset::findFirst(const std::string &criteria)
{
    return guarded([&]() -> Result<bool> {
        std::string field, literal;
        bool isText = false;
        try {
            Lexer lex(criteria);
            Token t = lex.next();
            if (!isName(t))
                throw std::string("a field name must come first");
            field = t.text;
            t = lex.next();
            if (t.kind != Token::Kind::Symbol || t.text != "=")
                throw std::string("only an equality test (=) is understood");
            t = lex.next();
            if (t.kind != Token::Kind::String && t.kind != Token::Kind::Word)
                throw std::string("a value must follow =");
            isText = t.kind == Token::Kind::String;
            literal = t.text;
            if (lex.next().kind != Token::Kind::End)
                throw std::string("only one test is understood");
        } catch (const std::string &why) {
            fail(ErrorKind::BadQuery, "Cannot search table \"" + m_table + "\" of \"" + m_db.path() +
                                          "\" for \"" + criteria + "\": " + why);
        }
        const auto index = fieldIndex(field);
        if (!index)
            fail(ErrorKind::NoSuchField,
                 "No field \"" + field + "\" in table \"" + m_table + "\" of \"" + m_db.path() + "\"");
        Value wanted = Value::ofText(literal);
        if (!isText) {
            char *end = nullptr;
            const double number = std::strtod(literal.c_str(), &end);
            if (end == literal.c_str() || *end != '\0')
                fail(ErrorKind::BadQuery, "Cannot search table \"" + m_table + "\" of \"" + m_db.path() +
                                              "\": \"" + literal + "\" is neither a number nor quoted text");
            wanted = Value::ofReal(Value::Kind::Double, number);
        }
        for (std::size_t i = 0; i < m_rows.size(); ++i) {
            const Value &v = m_rows[i].values[*index];
            if (!v.isNull() && compareValues(v, wanted) == 0) {
                leave();
                m_current = i;
                return true;
            }
        }
        return false;
    });
}

Result<Value> Recordset::value(const std::string &field) const
{
    const auto index = fieldIndex(field);
    if (!index)
        return Error{ErrorKind::NoSuchField,
                     "No field \"" + field + "\" in table \"" + m_table + "\" of \"" + m_db.path() + "\""};
    if (!hasCurrent())
        return Error{ErrorKind::NoCurrentRecord, "No current record in table \"" + m_table + "\""};
    for (const auto &[i, v] : m_edits)
        if (i == *index)
            return v;
    return m_adding ? m_newRecord[*index] : m_rows[m_current].values[*index];
}

Result<std::string> Recordset::text(const std::string &field) const
{
    auto v = value(field);
    if (!v)
        return v.error();
    switch (v->kind) {
    case Value::Kind::Null:
        return std::string();
    case Value::Kind::Text:
    case Value::Kind::Binary:
        return v->text;
    case Value::Kind::Single:
    case Value::Kind::Double:
    case Value::Kind::DateTime: {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.15g", v->real);
        return std::string(buffer);
    }
    default:
        return std::to_string(v->integer);
    }
}

Status Recordset::setValue(const std::string &field, Value value)
{
    if (!m_writable)
        return m_writable;
    const auto index = fieldIndex(field);
    if (!index)
        return Error{ErrorKind::NoSuchField,
                     "No field \"" + field + "\" in table \"" + m_table + "\" of \"" + m_db.path() + "\""};
    if (!hasCurrent())
        return Error{ErrorKind::NoCurrentRecord, "No current record in table \"" + m_table + "\""};
    if (m_adding) {
        m_newRecord[*index] = std::move(value);
        return {};
    }
    for (auto &[i, v] : m_edits)
        if (i == *index) {
            v = std::move(value);
            return {};
        }
    m_edits.emplace_back(*index, std::move(value));
    return {};
}

Status Recordset::setText(const std::string &field, const std::string &text)
{
    return setValue(field, Value::ofText(text));
}

Status Recordset::update()
{
    if (!m_writable)
        return m_writable;
    if (m_adding) {
        auto id = m_db.insertRow(m_table, m_newRecord);
        if (!id)
            return id.error();
        auto values = m_db.readRow(m_table, *id);
        m_rows.push_back({*id, values ? std::move(*values) : m_newRecord});
        m_current = m_rows.size() - 1;
        leave();
        return {};
    }
    if (m_edits.empty())
        return {};
    if (m_current >= m_rows.size())
        return Error{ErrorKind::NoCurrentRecord, "No current record in table \"" + m_table + "\""};
    Row &row = m_rows[m_current];
    const Status written = m_db.updateRow(m_table, row.id, m_edits);
    if (!written)
        return written;
    auto values = m_db.readRow(m_table, row.id);
    if (values)
        row.values = std::move(*values);
    m_edits.clear();
    return {};
}

void Recordset::cancelUpdate()
{
    leave();
}

Status Recordset::addNew()
{
    if (!m_writable)
        return m_writable;
    leave();
    m_adding = true;
    m_newRecord.assign(m_def.columns.size(), Value::null());
    return {};
}

Status Recordset::deleteCurrent()
{
    if (!m_writable)
        return m_writable;
    if (m_adding) {
        leave();
        return {};
    }
    if (m_current >= m_rows.size())
        return Error{ErrorKind::NoCurrentRecord, "No current record in table \"" + m_table + "\""};
    const Status removed = m_db.deleteRow(m_table, m_rows[m_current].id);
    if (!removed)
        return removed;
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(m_current));
    m_edits.clear();
    m_deleted = true; // no current record until the next move
    return {};
}

} // namespace jet
