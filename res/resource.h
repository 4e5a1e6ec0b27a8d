// Resource ids of the program.
#pragma once
#define IDD_ORVELLE_DIALOG 102
