#pragma once

#include <array>
#include <string_view>

// The values sample bookings are drawn from. The row counts are fixed: the
// draws index these tables directly.
namespace SampleData::Tables {

struct FirstName {
    std::string_view name;
    bool female;
};

// Row 0 must stay a male row; row 30 is the fallback a full draw reaches.
inline constexpr std::array<FirstName, 31> FirstNames{{
    {"Alan", false},    {"Bethan", true}, {"Callum", false},  {"Deborah", true}, {"Edward", false}, {"Fiona", true},
    {"Gareth", false},  {"Helen", true},  {"Ian", false},     {"Joanne", true},  {"Keith", false},  {"Laura", true},
    {"Martin", false},  {"Nadia", true},  {"Owen", false},    {"Priya", true},   {"Rhys", false},   {"Sandra", true},
    {"Tomas", false},   {"Una", true},    {"Victor", false},  {"Wendy", true},   {"Yusuf", false},  {"Zoe", true},
    {"Brendan", false}, {"Carys", true},  {"Dominic", false}, {"Elaine", true},  {"Fraser", false}, {"Gemma", true},
    {"Chris", false},
}};

inline constexpr std::array<std::string_view, 31> Surnames{
    "Abbott",  "Baxter",   "Carver",   "Dunmore", "Ellison", "Fairley", "Gorton",   "Hartley",
    "Ingram",  "Jessop",   "Kilbride", "Lomax",   "Marlow",  "Newbold", "Oakes",    "Pendle",
    "Quayle",  "Rowntree", "Sefton",   "Tulley",  "Upton",   "Varley",  "Whitlock", "Yardley",
    "Ashdown", "Bramley",  "Colville", "Denholm", "Eastham", "Fenwick", "Smith"};

inline constexpr std::array<std::string_view, 31> ContactFirstNames{
    "Agnes", "Barry", "Celia",   "Derek", "Enid",   "Frank",  "Gwen", "Harold", "Irene", "Jack", "Kath",
    "Leon",  "Maud",  "Neville", "Olive", "Percy",  "Rita",   "Stan", "Tess",   "Vera",  "Walt", "Avril",
    "Basil", "Cora",  "Dennis",  "Edna",  "Fergus", "Gladys", "Hugh", "Ivy",    "Pat"};

inline constexpr std::array<std::string_view, 31> Hosts{
    "Mrs Joan Pellow", "Mr Adam Rusk",     "Dr Sara Quint",    "Mr Neil Vardy",     "Ms Ruth Okafor",
    "Mr Colin Dray",   "Mrs Ann Whitby",   "Mr Tariq Sohal",   "Ms Leah Brannigan", "Mr Peter Holm",
    "Dr Ivan Petrak",  "Mrs Mary Cloud",   "Mr Glyn Reaney",   "Ms Holly Fenner",   "Mr Stuart Lyle",
    "Mrs Carol Deane", "Mr Dev Anand",     "Ms Kerry Stroud",  "Mr Roy Tallis",     "Dr Emma Kersey",
    "Mr Hamish Orr",   "Mrs Lynn Goddard", "Mr Paul Stenning", "Ms Anita Rao",      "Mr Ken Ashby",
    "Mrs Julie Marsh", "Mr Frank Ellwood", "Ms Tina Corrigan", "Mr Sean Mulhall",   "Dr Alison Fry",
    "Mr Graham Peck"};

struct Organisation {
    std::string_view name;
    std::string_view address;
    std::string_view domain;
};

inline constexpr std::array<Organisation, 36> Organisations{{
    {"Harwell Fixings Ltd", "Unit 4, Mill Lane, Oldbury", "@harwellfix.example"},
    {"Tamsin Logistics", "Dock Road, Tilbury", "@tamsinlog.example"},
    {"Corbel Engineering", "12 Forge Street, Walsall", "@corbel-eng.example"},
    {"Pelham Catering", "The Old Bakery, Ripon", "@pelhamcater.example"},
    {"Brightwater Cleaning", "3 Canal Side, Leigh", "@brightwater.example"},
    {"Northgate Security", "Northgate House, Chester", "@northgatesec.example"},
    {"Kelso Electrical", "22 Abbey Road, Kelso", "@kelsoelec.example"},
    {"Ravenscar Surveys", "Station Yard, Whitby", "@ravenscar.example"},
    {"Foxley Scaffolding", "Foxley Works, Dereham", "@foxleyscaff.example"},
    {"Amberline Couriers", "Bay 9, Trade Park, Luton", "@amberline.example"},
    {"Greystone Consulting", "1 Castle Wynd, Stirling", "@greystone.example"},
    {"Marden Plumbing", "44 High Street, Marden", "@mardenplumb.example"},
    {"Hollins Lifts", "Hollins Mill, Bury", "@hollinslifts.example"},
    {"Westcombe Labs", "Science Park, Exeter", "@westcombe.example"},
    {"Duncliffe Glazing", "7 Quarry Close, Shaftesbury", "@duncliffe.example"},
    {"Saltmarsh Waste", "Marsh Road, Boston", "@saltmarsh.example"},
    {"Ortolan Software", "Floor 3, Wharf House, Leeds", "@ortolan.example"},
    {"Pennard Pest Control", "Pennard Farm, Swansea", "@pennardpest.example"},
    {"Quillon Office Supplies", "5 Paper Row, Stockport", "@quillon.example"},
    {"Redbank Roofing", "Redbank Depot, Wigan", "@redbankroof.example"},
    {"Sedgemoor Fire Safety", "Fire Lane, Bridgwater", "@sedgemoorfire.example"},
    {"Thornbury Audit", "2 Counting House Yard, Bristol", "@thornbury.example"},
    {"Ullswater Training", "Lakeside Centre, Penrith", "@ullswater.example"},
    {"Valebrook Vending", "18 Coin Street, Derby", "@valebrook.example"},
    {"Wrekin Cranes", "Crane Yard, Telford", "@wrekincranes.example"},
    {"Yarrow Health", "Yarrow Clinic, Selkirk", "@yarrowhealth.example"},
    {"Aldergrove Air Systems", "Hangar Road, Antrim", "@aldergrove.example"},
    {"Bexley Signs", "9 Sign Walk, Bexley", "@bexleysigns.example"},
    {"Cromarty Marine", "Harbour Street, Cromarty", "@cromarty.example"},
    {"Dovecote Media", "The Dovecote, Ludlow", "@dovecote.example"},
    {"Eskdale Haulage", "Eskdale Yard, Carlisle", "@eskdale.example"},
    {"Fulbeck Instruments", "Fulbeck Park, Grantham", "@fulbeck.example"},
    {"Glenrock Flooring", "31 Tile Road, Dundee", "@glenrock.example"},
    {"Hexham Calibration", "Tyne Mills, Hexham", "@hexhamcal.example"},
    {"Inverbrae Pumps", "Pump House, Perth", "@inverbrae.example"},
    {"Jubilee Facilities", "Jubilee Court, Swindon", "@jubileefm.example"},
}};

inline constexpr std::array<std::string_view, 18> PersonalDomains{
    "@postbox.example", "@mailhub.example",  "@inbox.example",    "@webpost.example",   "@letterbox.example",
    "@pigeon.example",  "@homemail.example", "@netpost.example",  "@quickmail.example", "@mailer.example",
    "@postit.example",  "@envelope.example", "@freemail.example", "@courier.example",   "@stamp.example",
    "@telmail.example", "@parcel.example",   "@postroom.example"};

// Rows 1..18 of the personal domains (here 0..17) for the draws 0..39.
inline constexpr std::array<int, 40> PersonalDomainOfDraw{0,  1,  2,  3, 4, 5,  6,  7,  8,  9,  10, 11, 12, 13,
                                                          14, 15, 16, 3, 3, 3,  3,  0,  0,  0,  0,  7,  12, 12,
                                                          12, 12, 15, 6, 7, 17, 17, 17, 17, 17, 17, 17};

// The last row is a fallback the draws never reach.
inline constexpr std::array<std::string_view, 8> MobilePrefixes{"07700 ", "07701 ", "07702 ", "07703 ",
                                                                "07704 ", "07705 ", "07706 ", "07799 "};

inline constexpr std::array<std::string_view, 10> AreaPrefixes{"0113 ", "0114 ", "0115 ", "0116 ", "0117 ",
                                                               "0118 ", "0121 ", "0131 ", "0141 ", "0151 "};
// The area row of the draws 0..12 (draw 12 gives the last row).
inline constexpr std::array<int, 13> AreaOfDraw{0, 1, 2, 3, 4, 5, 6, 7, 8, 8, 0, 6, 9};

inline constexpr std::string_view PostCodeLetters = "NAPDRSTUGEFHLVWZB";
inline constexpr std::string_view CarLetters = "NAPDRSTUOYFHJ";

} // namespace SampleData::Tables
