#pragma once
// The module's codes for the serial-port baud rates of the "bb" setting. The items are those
// of BaudRateComboBox: 0 "2400", 1 "4800", 2 "9600", 3 "19200", 4 "38400"; -1 is none.

namespace korvan {

// Code sent for an item; none selected (or any other index) sends 15, the code of 19200.
int BaudCodeForItem(int item);

// Item a read selects for a code: every unknown code selects 19200 (item 3).
int BaudItemForReadCode(int code);

}  // namespace korvan
