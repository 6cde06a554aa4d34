#pragma once

// Word lists of the demo data: made-up people and firms of a small law
// office in central Ohio, with clients from elsewhere too. Telephone numbers
// use the 555-01xx block kept free for fiction, e-mail addresses the example
// domains.

#include <array>

namespace kiv5::tool::demo {

inline constexpr std::array kLastNames = {
    "Smith",    "Johnson",      "Williams",   "Brown",     "Jones",    "Garcia",    "Miller",
    "Davis",    "Rodriguez",    "Martinez",   "Hernandez", "Lopez",    "Gonzalez",  "Wilson",
    "Anderson", "Thomas",       "Taylor",     "Moore",     "Jackson",  "Martin",    "Lee",
    "Perez",    "Thompson",     "White",      "Harris",    "Sanchez",  "Clark",     "Ramirez",
    "Lewis",    "Robinson",     "Walker",     "Young",     "Allen",    "King",      "Wright",
    "Scott",    "Torres",       "Nguyen",     "Hill",      "Flores",   "Green",     "Adams",
    "Nelson",   "Baker",        "Hall",       "Rivera",    "Campbell", "Mitchell",  "Carter",
    "Roberts",  "O'Brien",      "McAllister", "Peña",      "Müller",   "Nuñez",     "Schäfer",
    "DuBois",   "van der Berg", "Kowalski",   "Okafor",    "Yamamoto", "Lindqvist", "Brennan",
};

inline constexpr std::array kFirstNames = {
    "James",   "Mary",      "Robert",  "Patricia", "John",    "Jennifer", "Michael", "Linda",
    "David",   "Elizabeth", "William", "Barbara",  "Richard", "Susan",    "Joseph",  "Jessica",
    "Thomas",  "Sarah",     "Charles", "Karen",    "Daniel",  "Nancy",    "Matthew", "Lisa",
    "Anthony", "Betty",     "Mark",    "Margaret", "Steven",  "Sandra",   "Paul",    "Ashley",
    "Andrew",  "Emily",     "Joshua",  "Donna",    "Kenneth", "Michelle", "Kevin",   "Carol",
    "Brian",   "Amanda",    "José",    "Renée",    "Zoë",     "Björn",    "Chloé",   "André",
};

inline constexpr std::array kCompanies = {
    "Bluewater Marine Supply, Inc.",
    "Olentangy Valley Builders LLC",
    "Greenfield Dental Group",
    "Maple Leaf Bakery",
    "Scioto River Outfitters",
    "Buckeye Precision Tool Co.",
    "Harwell & Sons Roofing",
    "Northgate Veterinary Clinic",
    "Crescent Moon Café",
    "Ridgeline Property Management",
    "Arbor Lane Florist",
    "Keystone Freight Partners",
    "Sunrise Senior Living Center",
    "Old Mill Antiques",
    "Pinecrest Auto Body",
    "Lakeshore Realty Group",
    "Copperline Electrical Contractors",
    "Heritage Family Farms",
};

// City, state, ZIP code and area code.
struct DemoPlace {
    const char* city;
    const char* state;
    const char* zip;
    const char* areaCode;
};

// Around the office.
inline constexpr std::array kLocalPlaces = {
    DemoPlace{"Columbus", "OH", "43215", "614"},
    DemoPlace{"Columbus", "OH", "43206", "614"},
    DemoPlace{"Columbus", "OH", "43214", "614"},
    DemoPlace{"Dublin", "OH", "43017", "614"},
    DemoPlace{"Westerville", "OH", "43081", "614"},
    DemoPlace{"Worthington", "OH", "43085", "614"},
    DemoPlace{"Grove City", "OH", "43123", "614"},
    DemoPlace{"Upper Arlington", "OH", "43221", "614"},
    DemoPlace{"Hilliard", "OH", "43026", "614"},
    DemoPlace{"Delaware", "OH", "43015", "740"},
    DemoPlace{"Newark", "OH", "43055", "740"},
    DemoPlace{"Lancaster", "OH", "43130", "740"},
};

// Further away: the capitals, one per state and the District of Columbia.
inline constexpr std::array kDistantPlaces = {
    DemoPlace{"Montgomery", "AL", "36104", "334"},
    DemoPlace{"Juneau", "AK", "99801", "907"},
    DemoPlace{"Phoenix", "AZ", "85004", "602"},
    DemoPlace{"Little Rock", "AR", "72201", "501"},
    DemoPlace{"Sacramento", "CA", "95814", "916"},
    DemoPlace{"Denver", "CO", "80202", "303"},
    DemoPlace{"Hartford", "CT", "06103", "860"},
    DemoPlace{"Dover", "DE", "19901", "302"},
    DemoPlace{"Washington", "DC", "20001", "202"},
    DemoPlace{"Tallahassee", "FL", "32301", "850"},
    DemoPlace{"Atlanta", "GA", "30303", "404"},
    DemoPlace{"Honolulu", "HI", "96813", "808"},
    DemoPlace{"Boise", "ID", "83702", "208"},
    DemoPlace{"Springfield", "IL", "62701", "217"},
    DemoPlace{"Indianapolis", "IN", "46204", "317"},
    DemoPlace{"Des Moines", "IA", "50309", "515"},
    DemoPlace{"Topeka", "KS", "66603", "785"},
    DemoPlace{"Frankfort", "KY", "40601", "502"},
    DemoPlace{"Baton Rouge", "LA", "70802", "225"},
    DemoPlace{"Augusta", "ME", "04330", "207"},
    DemoPlace{"Annapolis", "MD", "21401", "410"},
    DemoPlace{"Boston", "MA", "02108", "617"},
    DemoPlace{"Lansing", "MI", "48933", "517"},
    DemoPlace{"Saint Paul", "MN", "55102", "651"},
    DemoPlace{"Jackson", "MS", "39201", "601"},
    DemoPlace{"Jefferson City", "MO", "65101", "573"},
    DemoPlace{"Helena", "MT", "59601", "406"},
    DemoPlace{"Lincoln", "NE", "68508", "402"},
    DemoPlace{"Carson City", "NV", "89701", "775"},
    DemoPlace{"Concord", "NH", "03301", "603"},
    DemoPlace{"Trenton", "NJ", "08608", "609"},
    DemoPlace{"Santa Fe", "NM", "87501", "505"},
    DemoPlace{"Albany", "NY", "12207", "518"},
    DemoPlace{"Raleigh", "NC", "27601", "919"},
    DemoPlace{"Bismarck", "ND", "58501", "701"},
    DemoPlace{"Cincinnati", "OH", "45202", "513"},
    DemoPlace{"Oklahoma City", "OK", "73102", "405"},
    DemoPlace{"Salem", "OR", "97301", "503"},
    DemoPlace{"Harrisburg", "PA", "17101", "717"},
    DemoPlace{"Providence", "RI", "02903", "401"},
    DemoPlace{"Columbia", "SC", "29201", "803"},
    DemoPlace{"Pierre", "SD", "57501", "605"},
    DemoPlace{"Nashville", "TN", "37219", "615"},
    DemoPlace{"Austin", "TX", "78701", "512"},
    DemoPlace{"Salt Lake City", "UT", "84111", "801"},
    DemoPlace{"Montpelier", "VT", "05602", "802"},
    DemoPlace{"Richmond", "VA", "23219", "804"},
    DemoPlace{"Olympia", "WA", "98501", "360"},
    DemoPlace{"Charleston", "WV", "25301", "304"},
    DemoPlace{"Madison", "WI", "53703", "608"},
    DemoPlace{"Cheyenne", "WY", "82001", "307"},
};

inline constexpr std::array kStreets = {
    "Main Street",     "High Street",      "Maple Avenue",   "Oak Street",     "Broad Street",
    "Elm Street",      "Park Avenue",      "Cedar Lane",     "Lincoln Avenue", "Washington Street",
    "Riverside Drive", "Sunset Boulevard", "Mill Road",      "Church Street",  "Spring Street",
    "Walnut Street",   "Lakeview Drive",   "Hillcrest Road", "Third Avenue",   "Franklin Street",
};

inline constexpr std::array kSecondLines = {
    "Suite 100", "Suite 210", "Apt. 4B", "Unit 12", "P.O. Box 1187", "Floor 3", "Apt. 2",
};

inline constexpr std::array kMailDomains = {"example.com", "example.net", "example.org"};

inline constexpr std::array kNotes1 = {
    "Referred by Judge Halloran",
    "Referred by a former client",
    "Prefers e-mail",
    "Call after 5:00 PM only",
    "Spanish speaker - use interpreter",
    "Estate planning",
    "Landlord-tenant matter",
    "Business formation",
    "Divorce and custody",
    "Personal injury - auto",
    "Real estate closing",
};

inline constexpr std::array kNotes2 = {
    "Retainer on file",    "Conflict check cleared", "Fee agreement signed",
    "Pays by credit card", "Send copies by mail",    "Do not call at work",
};

// Memo paragraphs; memos join one to four of them with line breaks.
inline constexpr std::array kMemoLines = {
    "Initial consultation held; client to send a copy of the lease.",
    "Discussed fee agreement: hourly at the standard rate, retainer due before filing.",
    "Opposing counsel: Whitcomb & Rhee, 614-555-0147.",
    "Client prefers meetings on Tuesday or Thursday mornings.",
    "Mediation scheduled; client wants to settle if the terms are reasonable.",
    "Will signed and witnessed. Originals in the office safe, copies sent to client.",
    "Follow up in two weeks about the title search and the survey.",
    "Client asked about a payment plan for the outstanding balance.",
    "Insurance adjuster: Pat Delaney, claim no. 22-4417-B.",
    "Documents needed: tax returns for the last three years, bank statements, pay stubs.",
};

inline constexpr std::array kIncomeDescriptions = {
    "Payment on account",          "Payment by check",          "Flat fee - will and trust",
    "Flat fee - LLC formation",    "Settlement proceeds share", "Consultation fee",
    "Reimbursement of filing fee", "Payment per invoice",
};

struct DemoVendor {
    const char* payee;
    const char* category;
    const char* description;
    int minimumCents;
    int maximumCents;
    bool forClient; // charged to a client's matter
};

inline constexpr std::array kVendors = {
    DemoVendor{"Franklin County Clerk of Courts", "Filing Fees", "Complaint filing fee", 7500,
               39500, true},
    DemoVendor{"Buckeye Court Reporting", "Court Reporter", "Deposition transcript", 18000, 95000,
               true},
    DemoVendor{"Central Ohio Process Servers", "Filing Fees", "Service of process", 4500, 12500,
               true},
    DemoVendor{"Summit Title Agency", "Reimbursed Costs", "Title search", 15000, 42500, true},
    DemoVendor{"Riverside Properties LLC", "Rent", "Office rent", 245000, 245000, false},
    DemoVendor{"Lakeside Office Supply", "Office Supplies", "Paper, toner and folders", 2350, 48900,
               false},
    DemoVendor{"United States Postal Service", "Postage", "Postage and certified mail", 1190, 18500,
               false},
    DemoVendor{"Capital City Telephone", "Telephone", "Telephone and internet", 18950, 23475,
               false},
    DemoVendor{"LexResearch Online", "Research", "Legal research subscription", 31500, 31500,
               false},
    DemoVendor{"Ohio State Bar Association", "Bar Dues", "Annual dues", 39500, 39500, false},
    DemoVendor{"Mutual Professional Insurance", "Insurance", "Malpractice insurance premium",
               112500, 112500, false},
    DemoVendor{"Petty cash", "Miscellaneous", "Parking and coffee", 500, 4500, false},
};

inline constexpr std::array kBillLines = {
    "Professional services rendered",
    "Court filing fee",
    "Copies and postage",
    "Deposition transcript",
    "Travel - mileage",
    "Title search",
    "Service of process",
    "Recording fees",
};

inline constexpr std::array kServices = {
    "Telephone conference with client re: settlement terms",
    "Draft and revise motion to compel discovery",
    "Review correspondence from opposing counsel",
    "Prepare for and attend pretrial hearing",
    "Legal research: statute of limitations",
    "Draft answer and counterclaim",
    "Meeting with client to review documents",
    "Prepare interrogatories and requests for production",
    "Review medical records and bills",
    "Negotiate with insurance adjuster",
};

inline constexpr std::array kAppointments = {
    "Consultation", "Hearing - Common Pleas", "Deposition",  "Call with client", "Closing",
    "Mediation",    "Document signing",       "Review file",
};

inline constexpr std::array kOfficeEntries = {
    "Staff meeting",
    "CLE webinar",
    "Bar association lunch",
    "Court closed - holiday hours",
};

inline constexpr std::array kDayNotes = {
    "Court closes at 3:00 PM.",
    "Bring the signed fee agreements to the bank.",
    "Expecting a courier delivery from Summit Title.",
};

inline constexpr std::array kAccounts = {
    "Operating Account",
    "Trust Account (IOLTA)",
    "Petty Cash",
    "Business Credit Card",
};

inline constexpr std::array kCategories = {
    "Legal Fees",     "Retainers", "Reimbursed Costs", "Refunds", "Filing Fees",
    "Court Reporter", "Rent",      "Office Supplies",  "Postage", "Telephone",
    "Research",       "Bar Dues",  "Insurance",        "Travel",  "Miscellaneous",
};

// The standard list a new set starts with.
inline constexpr std::array kDefaultCategories = {
    "Legal Fees",      "Retainers", "Reimbursed Costs", "Filing Fees",   "Rent",
    "Office Supplies", "Postage",   "Telephone",        "Miscellaneous",
};

} // namespace kiv5::tool::demo
