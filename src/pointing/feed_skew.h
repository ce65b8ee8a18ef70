#pragma once

namespace tarvo {

// The feed skew (polarization tilt) for a geostationary satellite: the angle between the
// satellite's vertical polarization plane (parallel to the earth's axis at the satellite)
// and the local vertical, as seen from behind the dish looking at the satellite, in
// degrees folded into (-90, 90]. Positive is clockwise as the crew sees it from behind
// the dish.
//
// It is worked on the sphere of the look angles: the earth a sphere of radius 1, the
// satellite on the equator at 6.61 earth radii, the truck at its latitude (degrees north)
// and longitude (degrees west) as typed. With v the unit vector from the truck to the
// satellite, u the truck's vertical less its part along v and p the earth's axis less
// its part along v, the skew is the signed angle from u to p about v.
// Throws RunTimeFailure for inputs beyond the range of a double, and for a satellite
// straight overhead, where no vertical is left to tilt from.
double FeedSkewDeg(double satLongWest, double truckLongWest, double truckLatNorth);

}  // namespace tarvo
