#pragma once
#include <string>

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

// Which orbit record 0 holds.
enum class EarthChoice {
  Centre,      // the osculating orbit of the Earth's centre at the epoch (as JPL and the MPC)
  Barycentre,  // the Earth-Moon barycentre's mean orbit
};

// Which plane the written elements are referred to.
enum class FrameChoice {
  EarthPlane,  // the plane of record 0's orbit, so that the viewer's flat Earth is exact
  J2000,       // the J2000 ecliptic, the elements as published
};

// Record 0 of a catalogue at `epochJd`, named "Earth", on the J2000 ecliptic.
ElementRecord ReferenceEarthAt(EarthChoice earth, double epochJd);

// A body's record (or record 0 itself) in the chosen frame, `earth` being record 0 on the
// J2000 ecliptic.
ElementRecord InCatalogueFrame(const ElementRecord& record, const ElementRecord& earth,
                               FrameChoice frame);

// Empty when the Earth's model is made for `epochJd`; otherwise the warning to give once.
std::string EarthSpanWarning(EarthChoice earth, double epochJd);

// What the summary line says of record 0 and the frame: "the Earth's osculating orbit,
// elements in its orbital plane".
std::string EarthAndFrameText(EarthChoice earth, FrameChoice frame);

}  // namespace moid::tools
