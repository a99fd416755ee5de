#pragma once
// An SBDB CSV export whose first three bodies cannot be measured (a semi-major axis of
// 1e-300 AU, a perihelion inside the Sun, a hyperbola without a name) and whose last can.
namespace moid::tools {

inline constexpr const char* ODD_BODIES_CSV =
    "full_name,epoch,e,a,i,om,w,ma\n"
    "Tiny,2460000.5,0.1,1e-300,10,20,30,40\n"
    "Sungrazer,2460000.5,0.999999,3,10,20,30,40\n"
    ",2460000.5,1.5,-3,10,20,30,40\n"
    "Fine,2460000.5,0.1,1.1,10,20,30,40\n";

}  // namespace moid::tools
