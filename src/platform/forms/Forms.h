#pragma once
// Every form, control and front-end service of the forms stand-in.

#include "platform/forms/CheckBox.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Control.h"
#include "platform/forms/Error.h"
#include "platform/forms/Form.h"
#include "platform/forms/Frame.h"
#include "platform/forms/FrontEnd.h"
#include "platform/forms/Image.h"
#include "platform/forms/Label.h"
#include "platform/forms/ProgressBar.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/UpDown.h"
