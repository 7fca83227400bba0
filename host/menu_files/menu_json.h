// The menu as JSON: a whole menu object (settings, tree, breakpoint records) as readable text and back.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include <vector>

struct Generation;
class CMenuItem;
class CMenuSettings;

// JSON that does not describe a menu of the generation, or a menu value the JSON form cannot
// carry. The message says where: "buttons[2].groups[0].links[3].url: expected a string", or
// "at byte 41: ..." when the text is not JSON at all. No exception of the JSON library leaves
// the reader: each becomes a MenuJsonError.
struct MenuJsonError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// How a JSON menu is written. Either way it reads back as the same menu.
struct MenuJsonShape {
    std::string schema;        // written first as "$schema" (for editors), or left out when empty
    bool allSettings = false;  // every stored setting and every breakpoint record, not only what
                               // differs from a new menu
};

// The shape an existing JSON menu has: its "$schema", and whether it lists every stored setting of
// the generation. A text that is no JSON object has the default shape.
MenuJsonShape ShapeOfMenuJson(std::string_view json, const Generation& generation);

// The generation, the settings of the generation's block that differ from their defaults (all of
// them with shape.allSettings), in block order and by field name, the tree, and the breakpoint
// records in map order, left out when they are only the record a reader makes from the settings;
// two-blank indentation, ending in a line break. Throws MenuJsonError, naming the value's path,
// for a value that the reader would refuse (a lone surrogate, a colour with its top byte set, a
// number outside its range), so that whatever is written reads back.
std::string MenuToJson(const CMenuSettings& menu, const Generation& generation, const MenuJsonShape& shape = {});

// Replaces the persisted content of the menu (settings, tree, breakpoint records) by the JSON's.
// What the JSON leaves out takes the value a new menu object has. Unknown keys, wrong types and
// values out of range throw MenuJsonError naming their path; the menu then stays as it was.
void MenuFromJson(std::string_view json, const Generation& generation, CMenuSettings& menu);

// The project block the JSON describes, in the generation's storage layout.
std::string MenuJsonToBlock(std::string_view json, const Generation& generation);

// The JSON of a stored block, exactly as stored: its breakpoint records are those of the block
// alone, in its order (a menu object loading the block would merge them into its own). A block
// that cannot be read throws the archive exception; bytes after the block throw MenuJsonError.
std::string BlockToMenuJson(std::string_view block, const Generation& generation, const MenuJsonShape& shape = {});

// Nodes of the tree as the menu's form writes them at their level (1 a button, 2 a group, 3 a
// link): one node as its object, several as an array of them. How the studio's clipboard carries them.
std::string NodesToJson(const std::vector<const CMenuItem*>& nodes, int level);
// Reads nodes back and tells their level: a node object, an array of nodes of one level, or a whole
// menu (its buttons). A node's level shows in its keys ("groups" or "columns" a button, "links" a
// group, "url" a link). Throws MenuJsonError naming the path of what cannot be read.
std::vector<CMenuItem> NodesFromJson(std::string_view json, int& level);

// True when the file name ends in ".json" (any case): how the host tells a JSON menu from a block.
bool IsMenuJsonPath(std::string_view path);
