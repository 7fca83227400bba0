// Menu files as the commands take them: a stored block, or a JSON menu (a name ending in ".json").
#pragma once

#include <string>

struct Generation;
class CCorvaneExtension;

// The block a menu file stands for: a stored block's own bytes, or the block a JSON menu
// describes in the generation's layout. A file that cannot be read, or JSON that does not
// describe a menu, is a CommandError naming the file and, for JSON, the path of the bad value.
std::string ReadMenuBlock(const std::string& path, const Generation& generation);

// Loads a menu file into the object through its Serialize, as the host loads a stored block.
void LoadMenuFile(CCorvaneExtension& object, const std::string& path, const Generation& generation);
