#pragma once
// How many processors this process may run on (its affinity mask, which
// taskset or a container may narrow), at least one.
int UsableCores();
