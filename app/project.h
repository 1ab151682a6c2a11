// The project description handed to the toolkit at entry.
#pragma once

#include "forms/application.h"

namespace app {

const forms::ProjectDescription& project();

} // namespace app
