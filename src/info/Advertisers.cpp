// SPDX-License-Identifier: GPL-3.0-or-later
#include "AdvertiserRecord.h"

// The advertisers of the Bookstores menu. Every store, address, number and
// address on the web here is made up for the program: the towns are invented,
// the telephone numbers are in the range kept for fiction and the web and
// e-mail addresses are under the domains reserved for examples.

namespace lumenary {

namespace {

constexpr const char* Hidden = AdvertiserRecord::Hidden;
constexpr const char* FreeCatalog = "Ask for a FREE catalog of our books";

// Fields in order: store name, street, city/state/code, web page, e-mail,
// telephone, fax, business hours, payment terms, programmer's notes, free catalog.
constexpr std::array<AdvertiserRecord, AdvertiserCount> Records{{
    {{"Quillhaven Christian Books",
      "1204 Chapel Street",
      "Quillhaven, OH  43999",
      "Web Site:  www.quillhavenbooks.example.com",
      "Email:  orders@quillhavenbooks.example.com",
      "Phone:  (555) 555-0101",
      "Fax:  (555) 555-0102",
      "Monday - Saturday, 9 a.m. to 6 p.m.",
      "Pay by Mastercard, Visa, or checks",
      "PROGRAMMER'S NOTES:  A full-service store with a large room of commentaries, lexicons and grammars; "
      "the staff will find an out-of-print title for you.",
      Hidden}},
    {{"Amberford Bible Book Room",
      "38 Meeting House Lane",
      "Amberford, PA  17999",
      "Web Site:  www.amberfordbookroom.example.org",
      "Email:  bookroom@amberford.example.org",
      "Phone:  (555) 555-0111 or (555) 555-0112",
      "",
      "",
      "Pay by check or money order",
      "PROGRAMMER'S NOTES:  A small book room run by volunteers, strong in missionary biographies and "
      "children's Bible story books.",
      Hidden}},
    {{"Thistlecombe Gospel Bookshop",
      "P.O. Box 0121",
      "Thistlecombe, KY  40999",
      Hidden,
      "Email:  bookshop@thistlecombe.example.net",
      "Phone:  (555) 555-0121",
      Hidden,
      "Monday - Friday",
      "Pay by check or money order",
      "PROGRAMMER'S NOTES:  Mail order only.  Good prices on study Bibles and concordances.",
      Hidden}},
    {{"Larkmoor Press",
      "600 Printers Row",
      "Larkmoor, MI  49999",
      "Web Site:  www.larkmoorpress.example.com",
      "Email:  catalog@larkmoorpress.example.com",
      "",
      "",
      "",
      "Pay by Mastercard, Visa, or checks",
      "",
      Hidden}},
    {{"Brindlewood Reformed Books",
      "77 Covenant Avenue",
      "Brindlewood, IA  52999",
      "Web Site:  www.brindlewoodbooks.example.net",
      "Email:  mail@brindlewoodbooks.example.net",
      Hidden,
      "Fax:  (555) 555-0153",
      "Monday - Saturday",
      Hidden,
      "We carry classic works of Reformed theology and church history, new and used, and buy whole libraries.",
      Hidden}},
    {{"Wrenfield Book Service",
      "P.O. Box 0161",
      "Wrenfield, TN  38999",
      Hidden,
      Hidden,
      "Phone:  (555) 555-0161",
      Hidden,
      "Monday - Friday, 8 a.m. to 4 p.m.",
      "Pay by check or money order",
      "PROGRAMMER'S NOTES:  A family mail-order service with a thick printed catalog of Sunday school and "
      "homeschool materials.",
      FreeCatalog}},
    {{"Cobbleton Family Bookstore",
      "415 Market Square",
      "Cobbleton, IN  47999",
      "Web Site:  www.cobbletonbooks.example.com",
      "Email:  store@cobbletonbooks.example.com",
      "Phone:  (555) 555-0171 or (555) 555-0172",
      "Fax 24 Hours:  (555) 555-0173",
      "Monday - Saturday, 10 a.m. to 8 p.m.",
      "Pay by Mastercard, Visa, or checks",
      "PROGRAMMER'S NOTES:  Music, Bibles and gifts as well as books; ask about their discount for "
      "students and pastors.",
      Hidden}},
    {{"Fernhollow Publications",
      "9 Quarry Road",
      "Fernhollow, VA  24999",
      "Web Site:  www.fernhollow.example.org",
      "Email:  orders@fernhollow.example.org",
      "Phone:  (555) 555-0181",
      "Fax:  (555) 555-0182",
      "Monday - Friday",
      "Pay by check or money order",
      "PROGRAMMER'S NOTES:  Publishers of reprinted Bible charts, sermon collections and study guides.",
      FreeCatalog}},
    {{"Glenbarrow Christian Supply",
      "2250 Old Mill Road",
      "Glenbarrow, WI  54999",
      "Web Site:  www.glenbarrowsupply.example.com",
      "Email:  help@glenbarrowsupply.example.com",
      "Phone:  (555) 555-0191",
      "Fax:  (555) 555-0192",
      "Monday - Saturday",
      Hidden,
      "PROGRAMMER'S NOTES:  Church supplies, curriculum and a good shelf of language tools for Greek and "
      "Hebrew students.",
      Hidden}},
}};

} // namespace

const std::array<AdvertiserRecord, AdvertiserCount>& Advertisers()
{
    return Records;
}

} // namespace lumenary
