// trellis tree: the menu of a block as an outline with the link slot of every node.
#pragma once

#include "host/cli/commands.h"

Command TreeCommand();
