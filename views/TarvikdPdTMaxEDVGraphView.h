#pragma once
// The relation plots are declared together.

#include "views/TarvikRelationViews.h"
