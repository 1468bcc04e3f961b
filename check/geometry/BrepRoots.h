#pragma once

#include "check/geometry/BrepContacts.h"
#include "check/geometry/Part.h"

#include <cstdint>
#include <map>
#include <set>

namespace check {

// A planar face that is no hole's.
bool FlatFace(const Part& part, std::uint32_t face);

// The faces a standing side meets at an outside corner or tangentially (a rib's or a boss's top,
// its rounds and the flat between them), none of them fillets.
std::set<std::uint32_t> TopsOf(std::uint32_t side, const BrepContacts& contacts, const Part& part);

// The planar faces a standing side meets at an inside corner, each with the radius of the fillet
// between them (0 where they meet sharp); the smallest where they meet more than once.
std::map<std::uint32_t, double> RootsOf(std::uint32_t side, const BrepContacts& contacts,
                                        const Part& part);

// The fillets tangent to the side that are tangent to the flat face beyond them too.
std::set<std::uint32_t> RootFillets(std::uint32_t side, const BrepContacts& contacts,
                                    const Part& part);

}  // namespace check
