// An .ico file turned into the resources Windows shows as a program's icon:
// one RT_ICON per image and an RT_GROUP_ICON that lists them.
#pragma once

#include <string>
#include <string_view>

#include "builder/resource_section.h"

// Adds the icon's resources to the tree (group id 1, images from id 1 on),
// replacing any icons the tree held. False with the reason in error when the
// bytes are no icon file with at least one PNG or bitmap image.
bool addIconResources(std::string_view icoFile, ResourceTree& tree, std::string& error);
