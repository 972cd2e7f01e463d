#pragma once

// Folders and bytes for the project-file tests.
#include "support/TempFolder.h"
