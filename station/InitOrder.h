// Construction order of the program's global objects. GCC builds objects with a lower
// init_priority first (101 is the lowest a program may use); objects without one come after all
// of these. Use as:  CFoo g_foo __attribute__((init_priority(INIT_PRIORITY_APPLICATION)));
//
//   text tables     101   (built before anything that may show or format a text)
//   decoder object  102   g_dataDecode: allocates and zeroes its tables
//   application     103   the application object: takes the install folder's lock (a later copy
//                         on the same folder ends there, before the device is opened)
//   station object  104   g_systemKV318: allocates the memory image and opens the USB device,
//                         so the device is open before any window exists
#pragma once

#define INIT_PRIORITY_TEXT_TABLES 101
#define INIT_PRIORITY_DECODER 102
#define INIT_PRIORITY_APPLICATION 103
#define INIT_PRIORITY_STATION 104
