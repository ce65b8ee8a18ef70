#pragma once

#include <string>

namespace tarvo {

// Where the program's world magnetic model is: the folder of its two files and the
// model's name, as the build converted it (wmm2025).
struct MagneticModelFiles {
    std::string folder;
    std::string name;
};

// The model beside the running program, in magnetic/ next to the executable (the build
// tree), else under the installed share/sng-tarvo/magnetic, found from the executable's
// folder by the path from bin to share the installation was configured with. When
// neither holds it, the installed folder, which the error of reading it then names.
MagneticModelFiles InstalledMagneticModel();

}  // namespace tarvo
