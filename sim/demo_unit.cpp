// The unit torvik-sim serves by default: a field tester with a few named
// cables, wiring conventions and standards and nothing stored yet.
#include "unit.h"

namespace torvik::sim {

Unit demoUnit()
{
    Unit unit;
    unit.productCode = 45113;
    unit.identity = {"OLBRIN", "TORVIK", "T0412345", "D.05"};
    unit.userName = "J SMITH";
    unit.company = "NORDKABEL";
    unit.messages = {
        {1, "Cat 5e U/UTP 100 Ohm"},
        {2, "Cat 6 U/UTP 100 Ohm"},
        {3, "Cat 6A S/FTP 100 Ohm"},
        {4, "Cat 7 S/FTP 100 Ohm"},
        {20, "T568A"},
        {21, "T568B"},
        {40, "Class D Permanent Link"},
        {41, "Class E Channel"},
        {42, "Cat 6 Permanent Link"},
    };
    return unit;
}

}  // namespace torvik::sim
