#pragma once
#include "data/ElementRecord.h"

// The reference orbit of an imported catalogue.
namespace moid::tools {

// The Earth-Moon barycentre at `epochJd` from the published mean Keplerian elements (J2000
// ecliptic and equinox, with their rates per Julian century; made for the years 1800 to 2050),
// as record 0 of ELEMENTS.DAT holds it: argument of perihelion = longitude of perihelion -
// node, mean anomaly = mean longitude - longitude of perihelion, both in [0, 360); named
// "Earth".
ElementRecord EarthMoonBarycentreAt(double epochJd);

// True when `epochJd` lies in the years the mean elements are made for (1800 to 2050).
bool WithinMeanElementSpan(double epochJd);

}  // namespace moid::tools
