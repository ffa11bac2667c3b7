#include "convert/ReferenceTables.h"

#include <QHash>
#include <algorithm>

namespace rollscan {

namespace {
struct StateEntry {
    int code;
    const char *postal;
    const char *name; // at most 15 characters: the width of the name field of "state.dat"
};

// The state codes of the members tables for the 50 states and the District of Columbia. The tree
// stores the names in upper case, like every other name of the data files.
constexpr StateEntry kStates[] = {
    {1, "CT", "Connecticut"},     {2, "ME", "Maine"},          {3, "MA", "Massachusetts"},
    {4, "NH", "New Hampshire"},   {5, "RI", "Rhode Island"},   {6, "VT", "Vermont"},
    {11, "DE", "Delaware"},       {12, "NJ", "New Jersey"},    {13, "NY", "New York"},
    {14, "PA", "Pennsylvania"},   {21, "IL", "Illinois"},      {22, "IN", "Indiana"},
    {23, "MI", "Michigan"},       {24, "OH", "Ohio"},          {25, "WI", "Wisconsin"},
    {31, "IA", "Iowa"},           {32, "KS", "Kansas"},        {33, "MN", "Minnesota"},
    {34, "MO", "Missouri"},       {35, "NE", "Nebraska"},      {36, "ND", "North Dakota"},
    {37, "SD", "South Dakota"},   {40, "VA", "Virginia"},      {41, "AL", "Alabama"},
    {42, "AR", "Arkansas"},       {43, "FL", "Florida"},       {44, "GA", "Georgia"},
    {45, "LA", "Louisiana"},      {46, "MS", "Mississippi"},   {47, "NC", "North Carolina"},
    {48, "SC", "South Carolina"}, {49, "TX", "Texas"},         {51, "KY", "Kentucky"},
    {52, "MD", "Maryland"},       {53, "OK", "Oklahoma"},      {54, "TN", "Tennessee"},
    {55, "DC", "Dist. Columbia"}, {56, "WV", "West Virginia"}, {61, "AZ", "Arizona"},
    {62, "CO", "Colorado"},       {63, "ID", "Idaho"},         {64, "MT", "Montana"},
    {65, "NV", "Nevada"},         {66, "NM", "New Mexico"},    {67, "UT", "Utah"},
    {68, "WY", "Wyoming"},        {71, "CA", "California"},    {72, "OR", "Oregon"},
    {73, "WA", "Washington"},     {81, "AK", "Alaska"},        {82, "HI", "Hawaii"},
};

// Places the members tables list under codes of their own, known by postal abbreviation.
struct PlaceEntry {
    const char *postal;
    const char *name;
};
constexpr PlaceEntry kPlaces[] = {
    {"PR", "Puerto Rico"},    {"GU", "Guam"},           {"VI", "Virgin Islands"}, {"AS", "American Samoa"},
    {"MP", "N. Mariana Is."}, {"USA", "United States"}, {"US", "United States"},
};

struct PartyEntry {
    int code;
    const char *name;
};
// Party names as the public party tables give them.
constexpr PartyEntry kParties[] = {
    {1, "Federalist"},
    {13, "Democrat-Republican"},
    {22, "Adams"},
    {26, "Anti Masonic"},
    {29, "Whig"},
    {37, "Constitutional Unionist"},
    {44, "Nullifier"},
    {46, "States Rights"},
    {100, "Democrat"},
    {108, "Anti-Lecompton Democrat"},
    {112, "Conservative"},
    {114, "Readjuster"},
    {117, "Readjuster Democrat"},
    {200, "Republican"},
    {203, "Unconditional Unionist"},
    {206, "Unionist"},
    {208, "Liberal Republican"},
    {213, "Progressive Republican"},
    {300, "Free Soil"},
    {310, "American"},
    {326, "National Greenbacker"},
    {328, "Independent"},
    {329, "Ind. Democrat"},
    {331, "Ind. Republican"},
    {340, "Populist"},
    {347, "Prohibitionist"},
    {354, "Silver Republican"},
    {355, "Union"},
    {356, "Union Labor"},
    {370, "Progressive"},
    {380, "Socialist"},
    {402, "Liberal"},
    {403, "Law and Order"},
    {522, "American Labor"},
    {523, "American Labor"},
    {537, "Farmer-Labor"},
    {555, "Jackson"},
    {603, "Ind. Whig"},
    {1060, "Silver"},
    {1111, "Liberty"},
    {1116, "Conservative Republican"},
    {1275, "Anti-Jackson"},
    {1346, "Jackson Republican"},
    {3333, "Opposition"},
    {3334, "Opposition"},
    {4000, "Anti-Administration"},
    {4444, "Union"},
    {5000, "Pro-Administration"},
    {6000, "Crawford Federalist"},
    {7000, "Jackson Federalist"},
    {7777, "Crawford Republican"},
    {8000, "Adams-Clay Federalist"},
    {8888, "Adams-Clay Republican"},
};

// One symbol per party-symbol index 1..38. Parties that never sat in the same congress may share a
// letter (F: Federalist, later Free Soil); within one congress the letters differ, except that the
// rare Socialists get Z so that S can mark the Southern Democrats.
struct TokenEntry {
    char symbol;
    const char *name;
};
constexpr TokenEntry kTokens[38] = {
    {'F', "Federalist"},          // 1
    {'R', "Republican"},          // 2
    {'S', "Southern Democrat"},   // 3
    {'I', "Independent"},         // 4
    {'D', "Democrat"},            // 5
    {'W', "Whig"},                // 6
    {'O', "Other"},               // 7
    {'T', "States Rights"},       // 8
    {'A', "Readjuster Democrat"}, // 9
    {'U', "Unionist"},            // 10
    {'O', "Other"},               // 11
    {'F', "Free Soil"},           // 12
    {'P', "Populist"},            // 13
    {'L', "Liberal"},             // 14
    {'O', "Other"},               // 15
    {'O', "Other"},               // 16
    {'O', "Other"},               // 17
    {'O', "Other"},               // 18
    {'R', "Democrat-Republican"}, // 19
    {'O', "Other"},               // 20
    {'C', "Conservative"},        // 21
    {'L', "Farmer-Labor"},        // 22
    {'P', "Progressive"},         // 23
    {'V', "Silver"},              // 24
    {'O', "Other"},               // 25
    {'O', "Other"},               // 26
    {'A', "Anti-Administration"}, // 27
    {'P', "Pro-Administration"},  // 28
    {'J', "Jacksonian"},          // 29
    {'A', "Adams"},               // 30
    {'C', "Crawford"},            // 31
    {'N', "Nullifier"},           // 32
    {'M', "Anti-Masonic"},        // 33
    {'G', "Greenback"},           // 34
    {'U', "Union Labor"},         // 35
    {'Z', "Socialist"},           // 36
    {'H', "Prohibitionist"},      // 37
    {'L', "Liberty"},             // 38
};

struct CodeEntry {
    int code;
    const char *name;
};
// Category names of the published Clausen and Peltzman code books, in code-book order.
constexpr CodeEntry kClausen[] = {
    {1, "Government Management"},      {2, "Social Welfare"},       {3, "Agriculture"}, {4, "Civil Liberties"},
    {5, "Foreign and Defense Policy"}, {6, "Miscellaneous Policy"},
};
constexpr CodeEntry kPeltzman[] = {
    {1, "Budget General Interest"},
    {2, "Budget Special Interest"},
    {3, "Regulation General Interest"},
    {4, "Regulation Special Interest"},
    {5, "Domestic Social Policy"},
    {61, "Defense Policy Budget"},
    {71, "Defense Policy Resolutions"},
    {62, "Foreign Policy Budget"},
    {72, "Foreign Policy Resolutions"},
    {8, "Government Organization"},
    {9, "Internal Organization"},
    {10, "Indian Affairs"},
    {11, "D. C."},
};
// No public list of issue codes exists and every converted roll call carries issue code 0, so the
// list offers that one honest entry.
constexpr CodeEntry kIssues[] = {
    {0, "Not coded (no public issue codes)"},
};

template <size_t N> QByteArray codeFile(const CodeEntry (&entries)[N])
{
    QByteArray out;
    for (const CodeEntry &e : entries)
        out += QByteArray::number(e.code).rightJustified(3, ' ') + "   " + e.name + "\r\n";
    return out;
}
} // namespace

const StateRecord *ReferenceTables::StateByCode(int code)
{
    static const QHash<int, StateRecord> table = [] {
        QHash<int, StateRecord> t;
        for (const StateEntry &e : kStates)
            t.insert(e.code, StateRecord{QString::fromLatin1(e.name).toUpper(), QString::fromLatin1(e.postal), 0});
        return t;
    }();
    const auto it = table.constFind(code);
    return it == table.cend() ? nullptr : &it.value();
}

StateRecord ReferenceTables::StateFromPostal(int code, const QString &postal)
{
    const QString key = postal.trimmed().toUpper();
    StateRecord r;
    r.postal = key.left(2);
    for (const PlaceEntry &e : kPlaces) {
        if (key == QLatin1String(e.postal)) {
            r.name = QString::fromLatin1(e.name).toUpper();
            return r;
        }
    }
    r.name = QStringLiteral("STATE %1").arg(code);
    return r;
}

QString ReferenceTables::PartyName(int code)
{
    const auto *end = std::end(kParties);
    const auto *it = std::find_if(std::begin(kParties), end, [code](const PartyEntry &e) { return e.code == code; });
    return it == end ? QString() : QString::fromLatin1(it->name);
}

QString ReferenceTables::FallbackPartyName(int code)
{
    return QStringLiteral("Party %1").arg(code);
}

QList<TokenRecord> ReferenceTables::Tokens()
{
    QList<TokenRecord> out;
    for (const TokenEntry &e : kTokens)
        out.append(TokenRecord{QLatin1Char(e.symbol), 0, QString::fromLatin1(e.name)});
    return out;
}

QByteArray ReferenceTables::IssueCodeFile()
{
    return codeFile(kIssues);
}
QByteArray ReferenceTables::ClausenCodeFile()
{
    return codeFile(kClausen);
}
QByteArray ReferenceTables::PeltzmanCodeFile()
{
    return codeFile(kPeltzman);
}

Preferences ReferenceTables::DefaultPreferences()
{
    // Indexes into the 16-colour table.
    constexpr int kGreen = 2, kCyan = 3, kRed = 4, kMagenta = 5, kYellow = 6, kGray = 8;
    constexpr int kLightBlue = 9, kLightRed = 12, kLightYellow = 14, kBrightWhite = 15;
    Preferences p;
    p.setDisplayKind(QLatin1Char('i'));
    p.setTokenCase(QLatin1Char('u'));
    p.setYeaColour(kLightBlue);
    p.setNayColour(kLightRed);
    p.setNotVotingColour(kGray);
    p.setBackgroundColour(kBrightWhite);
    p.setYeaNayColour(kGreen);
    p.setNayYeaColour(kMagenta);
    p.setStartWithHouse(true);
    p.setGradientStartColour(kLightYellow);
    p.setGradientEndColour(kRed);
    p.setNoMatchColour(kCyan);
    p.setSplitColour(kYellow);
    return p;
}

} // namespace rollscan
