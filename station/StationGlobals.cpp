// The station subsystem's global objects, in their construction order (see InitOrder.h): the
// decoder first, the station object last, after the application object (priority 103), so the USB
// device is opened before any window exists. The device holder needs no construction at all.
#include "station/DataDecode.h"
#include "station/InitOrder.h"
#include "station/SystemKV318.h"
#include "station/UsbLink.h"

CUSBDevice g_usbDevice;

CDataDecode g_dataDecode __attribute__((init_priority(INIT_PRIORITY_DECODER)));

CSystemKV318 g_systemKV318 __attribute__((init_priority(INIT_PRIORITY_STATION)));
