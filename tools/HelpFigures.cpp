// plovari-help-figures ODDS NUMBERS LANGUAGE CATALOGUE HELP_IN HELP_OUT
//
// Puts the game's odds into one language's help file: every empty element of HELP_IN that
// carries a data-odds="KEY" attribute is filled from ODDS (written by plovari-odds), numbers
// written as NUMBERS says LANGUAGE writes them, and the charts the help shows are drawn as SVG
// files next to HELP_OUT, their labels in the language. A label is a unit of the help, so it is
// translated in the language's CATALOGUE (for English, the template) like any other; a label
// that is not a unit there stops the build. The keys:
//
//   span/td/th: races, behind, line LINE, payout-medium N, payout-high N, high-chance N,
//               mean MODE N
//   tr:         gains N, turns, ahead N, ahead all     (rows that replace the element)
//   img:        src="odds-gains.svg", src="odds-ahead.svg"  (drawn for three players)
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::array<std::string, 4> Modes{"Low", "Regular", "Medium", "High"};
// Four colours that stand out on a light and on a dark page alike.
const std::array<std::string, 4> ModeColours{"#3f8fd2", "#8c8c8c", "#e0833a", "#c94f9a"};
const std::array<int, 3> Lines{200, 500, 1000};
constexpr int ChartPlayers = 3;

[[noreturn]] void Fail(const std::string& message) {
    throw std::runtime_error(message);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        Fail("cannot read " + path);
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    if (!out.flush()) {
        Fail("cannot write " + path);
    }
}

// ---- The odds, as plovari-odds wrote them.

struct Estimate {
    double Chance = 0;
    double HalfWidth = 0;
};

struct Odds {
    long long Races = 0;
    double Behind = 0;
    std::map<int, std::pair<double, double>> Payouts;                   // players: medium, high
    std::map<std::pair<int, std::string>, std::array<double, 3>> Turns; // nothing, mean, sd
    std::map<std::pair<int, std::string>, std::vector<std::pair<double, double>>> Gains;
    std::map<std::tuple<int, int, std::string, std::string>, Estimate> Ahead;

    const std::array<double, 3>& Turn(int players, const std::string& mode) const {
        return Turns.at({players, mode});
    }
    const Estimate& AheadOf(int players, int line, const std::string& start,
                            const std::string& mode) const {
        return Ahead.at({players, line, start, mode});
    }
};

Odds ReadOdds(const std::string& path) {
    Odds odds;
    std::istringstream in(ReadFile(path));
    std::string kind;
    while (in >> kind) {
        int players = 0;
        std::string mode;
        if (kind == "races") {
            in >> odds.Races >> odds.Behind;
        } else if (kind == "payout") {
            double medium = 0;
            double high = 0;
            in >> players >> medium >> high;
            odds.Payouts[players] = {medium, high};
        } else if (kind == "turn") {
            std::array<double, 3> figures{};
            in >> players >> mode >> figures[0] >> figures[1] >> figures[2];
            odds.Turns[{players, mode}] = figures;
        } else if (kind == "gain") {
            double points = 0;
            double chance = 0;
            in >> players >> mode >> points >> chance;
            odds.Gains[{players, mode}].emplace_back(points, chance);
        } else if (kind == "ahead") {
            int line = 0;
            std::string start;
            Estimate estimate;
            in >> players >> line >> start >> mode >> estimate.Chance >> estimate.HalfWidth;
            odds.Ahead[{players, line, start, mode}] = estimate;
        } else {
            Fail(path + ": unknown line " + kind);
        }
        if (!in) {
            Fail(path + ": a " + kind + " line is cut short");
        }
    }
    return odds;
}

// ---- How the language writes numbers.

struct NumberStyle {
    std::string Decimal;
    std::string Percent; // # stands for the number
    std::string Group;
    std::array<std::string, 10> Digits{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
};

/// "_" in the table is a non-breaking space, which keeps a number and its sign together.
std::string Spaces(std::string text) {
    for (std::size_t at = text.find('_'); at != std::string::npos; at = text.find('_', at)) {
        text.replace(at, 1, "&#160;");
    }
    return text;
}

NumberStyle ReadStyle(const std::string& path, const std::string& language) {
    std::istringstream in(ReadFile(path));
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string name;
        NumberStyle style;
        std::string digits;
        if (!(fields >> name) || name.starts_with('#') || name != language) {
            continue;
        }
        if (!(fields >> style.Decimal >> style.Percent >> style.Group >> digits)) {
            Fail(path + ": the line of " + language + " needs four fields");
        }
        style.Percent = Spaces(style.Percent);
        style.Group = Spaces(style.Group);
        if (digits == "persian") {
            style.Digits = {"۰", "۱", "۲", "۳", "۴", "۵", "۶", "۷", "۸", "۹"};
        } else if (digits != "latin") {
            Fail(path + ": unknown digits " + digits);
        }
        return style;
    }
    Fail(path + " does not say how " + language + " writes numbers");
}

class Numbers {
public:
    explicit Numbers(NumberStyle style)
        : Style(std::move(style)) {}

    /// `value` with `decimals` decimals.
    std::string Fixed(double value, int decimals) const {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
        std::string text;
        for (const char c : std::string(buffer)) {
            if (c == '.') {
                text += Style.Decimal;
            } else if (c >= '0' && c <= '9') {
                text += Style.Digits[static_cast<std::size_t>(c - '0')];
            } else {
                text += c;
            }
        }
        return text;
    }
    /// As few decimals as `value` needs, up to three; two for one that needs more (a third).
    std::string Short(double value) const {
        for (int decimals = 0; decimals <= 3; ++decimals) {
            const double scaled = value * std::pow(10.0, decimals);
            if (std::abs(scaled - std::round(scaled)) < 1e-9) {
                return Fixed(value, decimals);
            }
        }
        return Fixed(value, 2);
    }
    /// A whole number with its thousands grouped.
    std::string Grouped(long long value) const {
        std::string digits = Fixed(static_cast<double>(value), 0);
        std::string text;
        // Digits may take several bytes each (Persian), so group by digits, not bytes.
        std::vector<std::string> each;
        for (std::size_t at = 0; at < digits.size();) {
            std::size_t length = 1;
            while (at + length < digits.size() && (digits[at + length] & 0xC0) == 0x80) {
                ++length;
            }
            each.push_back(digits.substr(at, length));
            at += length;
        }
        for (std::size_t i = 0; i < each.size(); ++i) {
            if (i > 0 && (each.size() - i) % 3 == 0) {
                text += Style.Group;
            }
            text += each[i];
        }
        return text;
    }
    /// A chance 0..1 as a percentage with `decimals` decimals.
    std::string Percent(double chance, int decimals = 1) const {
        std::string text = Style.Percent;
        return text.replace(text.find('#'), 1, Fixed(std::max(0.0, chance) * 100, decimals));
    }
    std::string WithInterval(const Estimate& estimate) const {
        return Percent(estimate.Chance) + " ±&#160;" + Percent(estimate.HalfWidth);
    }

private:
    NumberStyle Style;
};

// ---- The labels, translated through the language's catalogue.

std::string Unquote(const std::string& line) {
    const std::size_t first = line.find('"');
    const std::size_t last = line.rfind('"');
    std::string text;
    for (std::size_t i = first + 1; i < last; ++i) {
        if (line[i] == '\\' && i + 1 < last) {
            const char next = line[++i];
            text += next == 'n' ? '\n' : next == 't' ? '\t' : next;
        } else {
            text += line[i];
        }
    }
    return text;
}

/// msgid to msgstr for every unit of a PO file; an untranslated or fuzzy unit maps to "".
std::map<std::string, std::string> ReadCatalogue(const std::string& path) {
    std::map<std::string, std::string> units;
    std::istringstream in(ReadFile(path));
    std::string line;
    std::string id;
    std::string text;
    std::string* reading = nullptr;
    bool fuzzy = false;
    auto finish = [&] {
        if (!id.empty()) {
            units[id] = fuzzy ? std::string() : text;
        }
        id.clear();
        text.clear();
        fuzzy = false;
        reading = nullptr;
    };
    while (std::getline(in, line)) {
        if (line.starts_with("#,")) {
            finish();
            fuzzy = line.find("fuzzy") != std::string::npos;
        } else if (line.starts_with("msgid ")) {
            const bool keep = fuzzy;
            finish();
            fuzzy = keep;
            id = Unquote(line);
            reading = &id;
        } else if (line.starts_with("msgstr ")) {
            text = Unquote(line);
            reading = &text;
        } else if (line.starts_with('"') && reading != nullptr) {
            *reading += Unquote(line);
        } else if (line.empty()) {
            finish();
        }
    }
    finish();
    return units;
}

class Labels {
public:
    Labels(std::map<std::string, std::string> units, const Numbers& numbers, const Odds& odds)
        : Format(numbers)
        , Figures(odds)
        , Units(std::move(units)) {}

    /// The translation of the help's unit `english`, its placeholders filled.
    std::string Html(const std::string& english) const {
        const auto unit = Units.find(english);
        if (unit == Units.end()) {
            Fail("“" + english +
                 "” is not a unit of the help; add it to Plovari.hlp and run make "
                 "translations");
        }
        return FillInline(unit->second.empty() ? english : unit->second);
    }
    /// The same as text for a chart: markup dropped, HTML's named characters as XML writes them.
    std::string Text(const std::string& english) const;
    /// Every inline placeholder of `html` filled.
    std::string FillInline(const std::string& html) const;
    std::string Value(const std::string& key) const;

    const Numbers& Format;
    const Odds& Figures;

private:
    std::map<std::string, std::string> Units;
};

std::string Labels::Text(const std::string& english) const {
    static const std::map<std::string, std::string> named{
        {"nbsp", "#160"}, {"minus", "#8722"}, {"ndash", "#8211"}, {"mdash", "#8212"},
        {"shy", "#173"},  {"amp", "amp"},     {"lt", "lt"},       {"gt", "gt"},
        {"quot", "quot"}, {"apos", "apos"}};
    const std::string text = std::regex_replace(Html(english), std::regex("<[^>]*>"), "");
    static const std::regex entity("&([A-Za-z0-9#]+);");
    std::string xml;
    auto at = text.cbegin();
    for (std::sregex_iterator match(text.begin(), text.end(), entity), end; match != end; ++match) {
        xml.append(at, (*match)[0].first);
        const std::string name = (*match)[1].str();
        if (name.starts_with('#')) {
            xml += "&" + name + ";";
        } else if (named.contains(name)) {
            xml += "&" + named.at(name) + ";";
        } else {
            Fail("the chart cannot write &" + name + "; in “" + english + "”");
        }
        at = (*match)[0].second;
    }
    xml.append(at, text.cend());
    return xml;
}

std::string Labels::Value(const std::string& key) const {
    std::istringstream words(key);
    std::string what;
    words >> what;
    int players = 0;
    std::string mode;
    if (what == "races") {
        return Format.Grouped(Figures.Races);
    }
    if (what == "behind") {
        return Format.Percent(Figures.Behind, 0);
    }
    if (what == "line" && words >> players) {
        return Format.Fixed(players, 0);
    }
    if (what == "payout-medium" && words >> players) {
        return Format.Short(Figures.Payouts.at(players).first);
    }
    if (what == "payout-high" && words >> players) {
        return Format.Short(Figures.Payouts.at(players).second);
    }
    if (what == "high-chance" && words >> players) {
        return Format.Percent(1 - Figures.Turn(players, "High")[0]);
    }
    if (what == "even" && words >> players) {
        return Format.Percent(1.0 / players);
    }
    if (what == "mean" && words >> mode >> players) {
        return Format.Fixed(Figures.Turn(players, mode)[1], 2);
    }
    Fail("unknown placeholder data-odds=\"" + key + "\"");
}

std::string Labels::FillInline(const std::string& html) const {
    static const std::regex placeholder(
        R"re(<(span|td|th)([^>]*?)\s+data-odds="([^"]*)"([^>]*)></\1>)re");
    std::string filled;
    auto at = html.cbegin();
    for (std::sregex_iterator match(html.begin(), html.end(), placeholder), end; match != end;
         ++match) {
        const std::smatch& m = *match;
        filled.append(at, m[0].first);
        filled += "<" + m[1].str() + m[2].str() + m[4].str() + ">" + Value(m[3].str()) + "</" +
                  m[1].str() + ">";
        at = m[0].second;
    }
    filled.append(at, html.cend());
    return filled;
}

// ---- Table rows.

std::string Cell(const std::string& tag, const std::string& text, const std::string& extra = {}) {
    return "<" + tag + extra + ">" + text + "</" + tag + ">";
}

/// Every gain any mode can bring in a turn of `players`, one row each, a column per mode.
std::string GainRows(const Labels& labels, int players) {
    std::map<double, std::array<std::string, 4>> rows;
    for (std::size_t mode = 0; mode < Modes.size(); ++mode) {
        for (const auto& [points, chance] : labels.Figures.Gains.at({players, Modes[mode]})) {
            rows[std::round(points * 1e9) / 1e9][mode] = labels.Format.Percent(chance);
        }
    }
    std::string html;
    for (const auto& [points, chances] : rows) {
        html += "<tr>" + Cell("td", labels.Format.Short(points));
        for (const std::string& chance : chances) {
            html += Cell("td", chance);
        }
        html += "</tr>\n";
    }
    return html;
}

std::string PlayersCell(const Labels& labels, int players) {
    return Cell("td", labels.Format.Fixed(players, 0), " rowspan=\"4\"");
}

std::string TurnRows(const Labels& labels) {
    std::string html;
    for (int players = 2; players <= 6; ++players) {
        for (const std::string& mode : Modes) {
            const auto& turn = labels.Figures.Turn(players, mode);
            html += "<tr>" + (mode == Modes.front() ? PlayersCell(labels, players) : "") +
                    Cell("td", labels.Html(mode)) + Cell("td", labels.Format.Percent(turn[0])) +
                    Cell("td", labels.Format.Fixed(turn[1], 2)) +
                    Cell("td", labels.Format.Fixed(turn[2], 2)) + "</tr>\n";
        }
    }
    return html;
}

std::string AheadRows(const Labels& labels, int only) {
    std::string html;
    for (int players = 2; players <= 6; ++players) {
        if (only != 0 && players != only) {
            continue;
        }
        for (const std::string& mode : Modes) {
            html += "<tr>";
            if (only == 0 && mode == Modes.front()) {
                html += PlayersCell(labels, players);
            }
            html += Cell("td", labels.Html(mode));
            for (const char* start : {"level", "behind"}) {
                for (const int line : Lines) {
                    html += Cell("td", labels.Format.WithInterval(
                                           labels.Figures.AheadOf(players, line, start, mode)));
                }
            }
            html += "</tr>\n";
        }
    }
    return html;
}

std::string Rows(const Labels& labels, const std::string& key) {
    std::istringstream words(key);
    std::string what;
    std::string which;
    words >> what >> which;
    if (what == "gains") {
        return GainRows(labels, std::stoi(which));
    }
    if (what == "turns") {
        return TurnRows(labels);
    }
    if (what == "ahead") {
        return AheadRows(labels, which == "all" ? 0 : std::stoi(which));
    }
    Fail("unknown rows data-odds=\"" + key + "\"");
}

// ---- Charts. Text and lines are currentColor, which the help viewer sets to its palette's
// text colour; bars have the modes' colours, which read on light and dark pages.

class Svg {
public:
    Svg(int width, int height)
        : Width(width)
        , Height(height) {}

    void Line(double x1, double y1, double x2, double y2, const std::string& style) {
        Body << "<line x1=\"" << x1 << "\" y1=\"" << y1 << "\" x2=\"" << x2 << "\" y2=\"" << y2
             << "\" " << style << "/>\n";
    }
    void Rect(double x, double y, double width, double height, const std::string& fill) {
        Body << "<rect x=\"" << x << "\" y=\"" << y << "\" width=\"" << width << "\" height=\""
             << height << "\" fill=\"" << fill << "\"/>\n";
    }
    void Text(double x, double y, const std::string& text, const std::string& anchor = "start",
              int size = 11, const std::string& extra = {}) {
        Body << "<text x=\"" << x << "\" y=\"" << y << "\" text-anchor=\"" << anchor
             << "\" font-size=\"" << size << "\"" << extra << ">" << text << "</text>\n";
    }
    std::string Finish() const {
        std::ostringstream svg;
        svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            << R"(<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" )"
            << "width=\"" << Width << "\" height=\"" << Height << "\" viewBox=\"0 0 " << Width
            << " " << Height << "\" font-family=\"sans-serif\" fill=\"currentColor\">\n"
            << Body.str() << "</svg>\n";
        return svg.str();
    }

private:
    int Width;
    int Height;
    std::ostringstream Body;
};

const std::string Grid = R"(stroke="currentColor" stroke-opacity="0.25" stroke-width="1")";
const std::string Axis = R"(stroke="currentColor" stroke-width="1")";
const std::string Dashed = R"(stroke="currentColor" stroke-width="1.5" stroke-dasharray="4,3")";

/// The chance of every gain of one turn of three players, a panel per mode on one scale.
std::string GainsChart(const Labels& labels) {
    constexpr int width = 560;
    constexpr double left = 56;
    constexpr double plotWidth = 480;
    constexpr double panelHeight = 72;
    constexpr double panelGap = 22;
    constexpr double top = 8;
    double most = 0;
    double largest = 0;
    for (const std::string& mode : Modes) {
        for (const auto& [points, chance] : labels.Figures.Gains.at({ChartPlayers, mode})) {
            most = std::max(most, chance);
            largest = std::max(largest, points);
        }
    }
    const double scaleTop = std::ceil(most * 10 - 1e-9) / 10;
    const double xEnd = largest + 1;
    auto x = [&](double points) { return left + points / xEnd * plotWidth; };
    const double bottom = top + 4 * (panelHeight + panelGap);
    Svg svg(width, static_cast<int>(bottom + 62));
    for (std::size_t mode = 0; mode < Modes.size(); ++mode) {
        const double panelTop = top + static_cast<double>(mode) * (panelHeight + panelGap) + 14;
        const double base = panelTop + panelHeight;
        auto y = [&](double chance) { return base - chance / scaleTop * panelHeight; };
        svg.Text(left, panelTop - 4, labels.Text(Modes[mode]), "start", 12,
                 " font-weight=\"bold\"");
        for (double step = 0.1; step <= scaleTop + 1e-9; step += 0.1) {
            svg.Line(left, y(step), left + plotWidth, y(step), Grid);
            if (std::lround(step * 10) % 2 == 0) {
                svg.Text(left - 6, y(step) + 4, labels.Format.Percent(step, 0), "end", 10);
            }
        }
        svg.Line(left, base, left + plotWidth, base, Axis);
        const auto& gains = labels.Figures.Gains.at({ChartPlayers, Modes[mode]});
        for (const auto& [points, chance] : gains) {
            svg.Rect(x(points) - 3, y(chance), 6, base - y(chance), ModeColours[mode]);
        }
        // Few, far apart bars carry their chance; the table below has them all.
        if (gains.size() <= 3) {
            for (const auto& [points, chance] : gains) {
                svg.Text(x(points) + 6, std::min(y(chance) + 10, base - 3),
                         labels.Format.Percent(chance), "start", 10);
            }
        }
        const double mean = labels.Figures.Turn(ChartPlayers, Modes[mode])[1];
        svg.Line(x(mean), panelTop + 2, x(mean), base, Dashed);
    }
    for (int points = 0; points <= static_cast<int>(xEnd); points += 3) {
        svg.Line(x(points), bottom, x(points), bottom + 4, Axis);
        svg.Text(x(points), bottom + 16, labels.Format.Fixed(points, 0), "middle", 10);
    }
    svg.Text(left + plotWidth / 2, bottom + 32, labels.Text("Points in one turn"), "middle", 11);
    svg.Line(left, bottom + 50, left + 24, bottom + 50, Dashed);
    svg.Text(left + 30, bottom + 54, labels.Text("Average gain"), "start", 11);
    return svg.Finish();
}

/// A label in one line when it has at most 14 characters, else split at the blank nearest its
/// middle (when it has one): the room beside the chart's axis holds about 14.
std::pair<std::string, std::string> TwoLines(const std::string& label) {
    std::vector<std::size_t> starts; // where each character begins, in UTF-8 bytes
    for (std::size_t at = 0; at < label.size(); ++at) {
        if ((static_cast<unsigned char>(label[at]) & 0xC0) != 0x80) {
            starts.push_back(at);
        }
    }
    constexpr std::size_t OneLine = 14;
    std::size_t best = std::string::npos;
    for (std::size_t index = 0; index < starts.size(); ++index) {
        const auto middle = static_cast<long>(starts.size() / 2);
        if (label[starts[index]] == ' ' &&
            (best == std::string::npos || std::labs(static_cast<long>(index) - middle) <
                                              std::labs(static_cast<long>(best) - middle))) {
            best = index;
        }
    }
    if (starts.size() <= OneLine || best == std::string::npos) {
        return {label, {}};
    }
    return {label.substr(0, starts[best]), label.substr(starts[best] + 1)};
}

/// The chance of being ahead at the end, three players, level and behind: bars per mode and
/// finish line against the even chance.
std::string AheadChart(const Labels& labels) {
    constexpr int width = 560;
    constexpr double left = 96;
    constexpr double barWidth = 30;
    constexpr double barGap = 3;
    constexpr double groupGap = 22;
    constexpr double panelHeight = 130;
    constexpr double groupWidth = 3 * barWidth + 2 * barGap;
    constexpr double plotWidth = 4 * groupWidth + 3 * groupGap;
    double most = 1.0 / ChartPlayers;
    for (const auto& [key, estimate] : labels.Figures.Ahead) {
        if (std::get<0>(key) == ChartPlayers) {
            most = std::max(most, estimate.Chance + estimate.HalfWidth);
        }
    }
    const double scaleTop = std::ceil(most * 10 - 1e-9) / 10;
    const std::array<std::string, 2> starts{"level", "behind"};
    const std::array<std::string, 2> titles{"Everybody starts at 0",
                                            "The others start <span data-odds=\"behind\"></span> "
                                            "of the way ahead"};
    const double panelSpan = panelHeight + 76;
    Svg svg(width, static_cast<int>(2 * panelSpan + 8));
    for (std::size_t panel = 0; panel < starts.size(); ++panel) {
        const double panelTop = 22 + static_cast<double>(panel) * panelSpan;
        const double base = panelTop + panelHeight;
        auto y = [&](double chance) { return base - chance / scaleTop * panelHeight; };
        svg.Text(left, panelTop - 8, labels.Text(titles[panel]), "start", 12,
                 " font-weight=\"bold\"");
        for (double step = 0.1; step <= scaleTop + 1e-9; step += 0.1) {
            svg.Line(left, y(step), left + plotWidth, y(step), Grid);
            svg.Text(left - 6, y(step) + 4, labels.Format.Percent(step, 0), "end", 10);
        }
        svg.Line(left, base, left + plotWidth, base, Axis);
        for (std::size_t mode = 0; mode < Modes.size(); ++mode) {
            const double groupLeft = left + static_cast<double>(mode) * (groupWidth + groupGap);
            for (std::size_t line = 0; line < Lines.size(); ++line) {
                const Estimate& estimate =
                    labels.Figures.AheadOf(ChartPlayers, Lines[line], starts[panel], Modes[mode]);
                const double barLeft = groupLeft + static_cast<double>(line) * (barWidth + barGap);
                svg.Rect(barLeft, y(estimate.Chance), barWidth, base - y(estimate.Chance),
                         ModeColours[mode]);
                svg.Text(barLeft + barWidth / 2, y(estimate.Chance) - 3,
                         labels.Format.Fixed(estimate.Chance * 100, 0), "middle", 9);
                svg.Text(barLeft + barWidth / 2, base + 12, labels.Format.Fixed(Lines[line], 0),
                         "middle", 9);
            }
            svg.Text(groupLeft + groupWidth / 2, base + 28, labels.Text(Modes[mode]), "middle", 11,
                     " font-weight=\"bold\"");
        }
        // Left of the finish lines' row; a long name goes onto two lines at its middle blank.
        const auto [upper, lower] = TwoLines(labels.Text("Finish Line"));
        svg.Text(left - 6, base + 12, upper, "end", 9);
        if (!lower.empty()) {
            svg.Text(left - 6, base + 22, lower, "end", 9);
        }
        const double even = y(1.0 / ChartPlayers);
        svg.Line(left, even, left + plotWidth, even, Dashed);
        // Above the line at the left, over the steady modes' bars, which stay below it.
        svg.Text(left + 4, even - 4, labels.Text("Even chance"), "start", 9);
    }
    return svg.Finish();
}

// ---- The help's words about the odds, held to the odds.

/// Stops the build when the odds no longer bear out what the help says of them in words.
void CheckClaims(const Odds& odds) {
    auto claim = [](bool holds, const std::string& words, int players) {
        if (!holds) {
            Fail("with " + std::to_string(players) + " players the odds no longer bear out the " +
                 "help's words: " + words);
        }
    };
    for (int players = 2; players <= 6; ++players) {
        for (const char* mode : {"Regular", "Medium", "High"}) {
            claim(odds.Turn(players, "Low")[2] < odds.Turn(players, mode)[2],
                  "Low is the steadiest mode", players);
        }
        for (const int line : Lines) {
            auto behind = [&](const std::string& mode) {
                return odds.AheadOf(players, line, "behind", mode).Chance;
            };
            auto level = [&](const std::string& mode) {
                return odds.AheadOf(players, line, "level", mode).Chance;
            };
            const double bold = std::min(behind("Medium"), behind("High"));
            claim(std::max(behind("Low"), behind("Regular")) < bold,
                  "when behind, pick High or Medium", players);
            if (players == 2) {
                claim(behind("Medium") > behind("High"), "with two players Medium is best",
                      players);
            }
            if (players >= 4) {
                claim(behind("High") > behind("Medium"), "with four or more High is best", players);
            }
            if (players >= 3) {
                const double share = 1.0 / players;
                claim(level("Medium") > share && level("High") > share && level("Low") < share,
                      "from a level start High and Medium beat their share, Low does not", players);
            }
        }
    }
}

// ---- The help file.

std::string FillHelp(const std::string& html, const Labels& labels) {
    static const std::regex rows(R"re(<tr\s+data-odds="([^"]*)"></tr>\n?)re");
    std::string filled;
    auto at = html.cbegin();
    for (std::sregex_iterator match(html.begin(), html.end(), rows), end; match != end; ++match) {
        filled.append(at, (*match)[0].first);
        filled += Rows(labels, (*match)[1].str());
        at = (*match)[0].second;
    }
    filled.append(at, html.cend());
    filled = labels.FillInline(filled);
    if (filled.find("data-odds=") != std::string::npos) {
        Fail("a data-odds placeholder is left unfilled");
    }
    return filled;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 7) {
        std::fputs("usage: plovari-help-figures ODDS NUMBERS LANGUAGE CATALOGUE HELP_IN HELP_OUT\n",
                   stderr);
        return 2;
    }
    try {
        const Odds odds = ReadOdds(argv[1]);
        CheckClaims(odds);
        const Numbers numbers(ReadStyle(argv[2], argv[3]));
        const Labels labels(ReadCatalogue(argv[4]), numbers, odds);
        const std::string out = argv[6];
        const std::string folder = out.substr(0, out.find_last_of('/') + 1);
        WriteFile(out, FillHelp(ReadFile(argv[5]), labels));
        WriteFile(folder + "odds-gains.svg", GainsChart(labels));
        WriteFile(folder + "odds-ahead.svg", AheadChart(labels));
    } catch (const std::exception& problem) {
        std::fprintf(stderr, "plovari-help-figures: %s: %s\n", argv[3], problem.what());
        return 1;
    }
    return EXIT_SUCCESS;
}
