#include "PeerTools.h"

#include "indications/logic/IndicationsSchema.h"
#include "jet/Create.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace peers {

std::string fixturesDir()
{
    // The build names the folder (beside the source tree); without it the tests that need it skip.
    const char *env = std::getenv("AMBRELIS_SHARED_FIXTURES");
    if (!env || !*env)
        return {};
    const std::string dir = std::string(env) + "/jet";
    return std::filesystem::is_directory(dir) ? dir : std::string();
}

std::string tempDir()
{
    static const std::string dir = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "jet-test-XXXXXX").string();
        const char *made = mkdtemp(pattern.data());
        return std::string(made ? made : "/tmp");
    }();
    return dir;
}

std::string createIndicationsFile(const std::string &name, const std::vector<std::vector<jet::Value>> &rows)
{
    const std::string path = tempDir() + "/" + name;
    const jet::Status made = jet::createDatabase(path, indications::tableDefinition(), rows);
    return made ? path : std::string();
}

std::string quote(const std::string &text)
{
    std::string out = "'";
    for (char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

CommandResult run(const std::string &command)
{
    CommandResult result;
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return result;
    std::array<char, 65536> buffer;
    std::size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        result.output.append(buffer.data(), n);
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::vector<Record> parseCsv(const std::string &text)
{
    std::vector<Record> records;
    Record record;
    std::size_t i = 0;
    bool lineHasContent = false;
    while (i < text.size()) {
        Cell cell;
        if (text[i] == '"') {
            std::string value;
            ++i;
            while (i < text.size()) {
                if (text[i] == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                    value += '"';
                    i += 2;
                } else if (text[i] == '"') {
                    ++i;
                    break;
                } else {
                    value += text[i++];
                }
            }
            cell = value;
        } else {
            std::string value;
            while (i < text.size() && text[i] != ',' && text[i] != '\n')
                value += text[i++];
            if (!value.empty())
                cell = value;
        }
        record.push_back(cell);
        lineHasContent = true;
        if (i < text.size() && text[i] == ',') {
            ++i;
            continue;
        }
        if (i < text.size() && text[i] == '\n')
            ++i;
        records.push_back(record);
        record.clear();
        lineHasContent = false;
    }
    if (lineHasContent)
        records.push_back(record);
    return records;
}

namespace {

// mdbtools prints reals with as many decimals as the type's precision leaves, trailing zeros trimmed.
std::string formatReal(double value, int digits)
{
    int magnitude = value == 0 ? 0 : static_cast<int>(std::floor(std::log10(std::fabs(value))));
    int decimals = digits - magnitude - 1;
    if (decimals < 0)
        decimals = 0;
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text = buffer;
    if (text.find('.') != std::string::npos) {
        while (!text.empty() && text.back() == '0')
            text.pop_back();
        if (!text.empty() && text.back() == '.')
            text.pop_back();
    }
    return text;
}

std::string formatDate(double days)
{
    long day = static_cast<long>(days);
    long seconds = static_cast<long>(std::fabs(days - day) * 86400.0 + 0.5);
    day += seconds / 86400;
    seconds %= 86400;
    // Days from 1899-12-30 to a civil date.
    const long z = day - 25569 + 719468; // day 25569 is 1 January 1970
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    long y = yoe + era * 400;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const long d = doy - (153 * mp + 2) / 5 + 1;
    const long m = mp < 10 ? mp + 3 : mp - 9;
    if (m <= 2)
        ++y;
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, "%04ld-%02ld-%02ld %02ld:%02ld:%02ld", y, m, d, seconds / 3600,
                  seconds / 60 % 60, seconds % 60);
    return buffer;
}

} // namespace

Cell formatLikeMdbExport(const jet::Value &v, const jet::Column &column)
{
    // mdbtools shows a zero-length binary or long value as it shows a null.
    const bool longOrBinary = column.longValue() || column.type == jet::TypeBinary;
    if (longOrBinary && v.text.empty() &&
        (v.kind == jet::Value::Kind::Text || v.kind == jet::Value::Kind::Binary))
        return std::nullopt;
    using K = jet::Value::Kind;
    switch (v.kind) {
    case K::Null:
        return std::nullopt;
    case K::Bool:
    case K::Byte:
    case K::Int:
    case K::Long:
        return std::to_string(v.integer);
    case K::Money: {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%s%lld.%04lld", v.integer < 0 ? "-" : "",
                      static_cast<long long>(std::llabs(v.integer) / 10000),
                      static_cast<long long>(std::llabs(v.integer) % 10000));
        return std::string(buffer);
    }
    case K::Single:
        return formatReal(v.real, 6);
    case K::Double:
        return formatReal(v.real, 15);
    case K::DateTime:
        return formatDate(v.real);
    case K::Text:
        // mdbtools hands text on as C strings, which end at the first NUL.
        return v.text.substr(0, v.text.find('\0'));
    case K::Binary:
        return std::string();
    }
    return std::nullopt;
}

std::vector<Record> mdbExport(const std::string &file, const std::string &table)
{
    const std::string format = quote("%Y-%m-%d %H:%M:%S");
    const CommandResult r = run("mdb-export -b strip -D " + format + " -T " + format + " " + quote(file) +
                                " " + quote(table) + " 2>/dev/null");
    if (r.exitCode != 0)
        return {};
    return parseCsv(r.output);
}

std::vector<Record> ourExport(jet::Database &db, const std::string &table)
{
    std::vector<Record> records;
    auto data = db.readTable(table);
    if (!data)
        return records;
    Record header;
    for (const jet::Column &c : data->columns)
        header.push_back(c.name);
    records.push_back(header);
    for (const auto &row : data->rows) {
        Record record;
        for (std::size_t i = 0; i < row.size(); ++i)
            record.push_back(formatLikeMdbExport(row[i], data->columns[i]));
        records.push_back(record);
    }
    return records;
}

std::optional<std::string> mdbReaderJson(const std::string &file, std::string *whyNot)
{
    const std::string modules = JET_PEER_MODULES;
    if (!std::filesystem::exists(modules + "/node_modules/mdb-reader")) {
        *whyNot = "mdb-reader is not installed in " + modules + " (scripts/deps.sh installs it)";
        return std::nullopt;
    }
    const std::string script = "import M from 'mdb-reader'; import {readFileSync} from 'node:fs';"
                               "const r = new M(readFileSync(process.argv[1])); const out = {};"
                               "for (const n of r.getTableNames()) out[n] = r.getTable(n).getData();"
                               "console.log(JSON.stringify(out));";
    const CommandResult r = run("cd " + quote(modules) + " && node --input-type=module -e " + quote(script) +
                                " " + quote(file) + " 2>&1");
    if (r.exitCode != 0) {
        *whyNot = "mdb-reader failed: " + r.output.substr(0, 500);
        return std::string(); // an empty answer fails the comparison, with the reason
    }
    return r.output;
}

} // namespace peers
