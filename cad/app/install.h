#pragma once
// Installing the products on the desktop as their installers would: the executable with its
// version resource in the installation folder, the machine keys that name the folder (or the
// classes-root command of the two oldest products), the user's settings key with its current
// profile and SDIMode, and the program image the desktop starts for the executable.
#include "cad/app/product.h"

#include <string>

namespace cad::app {

// Installs product `index` into `folder` (a desktop path such as "C:\Program Files\X") and
// returns the executable's path. Raises rt::Error 1004 when a file or key cannot be written.
std::string InstallProduct(int index, const std::string& folder);

// The executable the registry names for the product (as the control library finds it), or
// empty when the product is not installed.
std::string InstalledExecutable(const Product& product);

// On a desktop without AutoCAD LT 2002, installs it under "C:\Program Files\AutoCAD LT 2002";
// then makes every installed product's executable startable. The program calls this at each
// start (program images are not kept between runs). Returns whether it installed.
bool PrepareDesktop();

// The user's settings key (HKCU) of an installed registry product: <machine key>\<CurVer>.
std::string SettingsKey(const Product& product);
inline constexpr std::string_view kProfileName = "<<Unnamed Profile>>";

} // namespace cad::app
