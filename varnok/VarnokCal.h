// Moon-phase calculator exported by Varnok.dll.
//
// CVarnokCal::Varnok maps a calendar date to a phase index 0 .. steps - 1, where 0 is new moon
// and steps / 2 is about full moon. The class holds no data; any object gives the same answers.
#pragma once

// The DLL's exports are listed in Varnok.def; users of the DLL import the class.
#ifdef VARNOK_BUILDING_DLL
#define VARNOK_API
#else
#define VARNOK_API __declspec(dllimport)
#endif

class VARNOK_API CVarnokCal
{
public:
    CVarnokCal();
    CVarnokCal(const CVarnokCal& other);
    virtual ~CVarnokCal();
    CVarnokCal& operator=(const CVarnokCal& other);

    // Phase index of the date (four-digit year, month 1..12, day of month) in a cycle divided into
    // `steps` parts. Day and month are used as given, without a range test. Dates before about the
    // start of 1900 lie before the reference new moon and give 0 or a negative index: callers that
    // index a table with the result check its range.
    int Varnok(int year, int month, int day, int steps);
};
