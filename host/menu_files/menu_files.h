// Menu files as the commands take them: a stored block, or a JSON menu (a name ending in ".json").
#pragma once

#include <string>

#include "host/loader/session.h"

// The block a menu file stands for: a stored block's own bytes, or the block a JSON menu
// describes in the generation's layout. A file that cannot be read, or JSON that does not
// describe a menu, is a CommandError naming the file and, for JSON, the path of the bad value.
std::string ReadMenuBlock(const std::string& path, const Generation& generation);

// Loads a menu file into the object through its Serialize, as the host loads a stored block; a JSON
// menu is read in the generation's layout.
void LoadMenuFile(CCorvaneExtension& object, const Generation& generation, const std::string& path);
inline void LoadMenuFile(Session& session, const std::string& path)
{
    LoadMenuFile(*session.object, *session.generation, path);
}

// Stores the object's menu in a menu file of the kind its name says: the project block, or the
// JSON menu of that block (a name ending in ".json"). The file is written completely or not at all.
void StoreMenuFile(CCorvaneExtension& object, const Generation& generation, const std::string& path);
inline void StoreMenuFile(Session& session, const std::string& path)
{
    StoreMenuFile(*session.object, *session.generation, path);
}
// The same with the block in hand (DefaultBreakpointBlock, for a menu switched to a breakpoint).
void StoreMenuBlock(const std::string& block, const Generation& generation, const std::string& path);
