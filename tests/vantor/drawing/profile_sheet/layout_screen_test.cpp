#include "profile_sheet_fixture.h"
