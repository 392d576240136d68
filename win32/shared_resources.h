// Identifiers of the resources that more than one window uses.
#pragma once

// Cursors
#define IDC_POINTING_HAND 102
