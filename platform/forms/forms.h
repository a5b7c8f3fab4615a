#pragma once
// Everything a screen needs: include this one header in a screen's header.
#include "platform/forms/application.h"
#include "platform/forms/buttons.h"
#include "platform/forms/color.h"
#include "platform/forms/control_array.h"
#include "platform/forms/form.h"
#include "platform/forms/image.h"
#include "platform/forms/label.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/picture.h"
#include "platform/forms/picture_box.h"
#include "platform/forms/text_box.h"
