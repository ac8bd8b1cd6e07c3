#pragma once
// DEFAULT: the camera's factory values for the settings record and the SETTING page.

#include "config/setup_fields.h"
#include "config/setup_record.h"

namespace motrevix::config {

// Writes the DEFAULT values into the record (offsets 44 to 336 and the byte at 134);
// the kept areas (text areas 0..43, the rest of 112..143, 312 and 340) and the CRC are
// left as they are.
void ApplySetupDefaults(CSetupRecord& record);

// The SETTING page after DEFAULT: audio on, speaker High, sensitivity position 2,
// entry time 5 minutes, parking LED on, GMT+09:00, 30 fps, FULL HD, Normal, Fine.
SetupFields DefaultSetupFields();

// The DEFAULT button: DEFAULT into g_SetupRecord, and the page values to show.
SetupFields ApplyDefault();

}  // namespace motrevix::config
