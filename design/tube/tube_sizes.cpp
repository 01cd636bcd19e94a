// Commonly stocked hot-rolled seamless structural tubes (GB/T 8162):
// outside diameter D and wall t, mm. A stock list, not the standard's
// dimension table: other stock comes in with --catalogue.
#include "design/tube/tube_sizes.h"

const TubeSize kTubeSizes[kTubeSizeCount] = {
    {89, 4}, {108, 4}, {114, 4}, {133, 5}, {140, 4.5}, {159, 5}, {159, 6}, {180, 6}, {180, 8},
    {194, 6}, {203, 6}, {203, 8}, {219, 6}, {219, 8}, {245, 8}, {273, 8}, {273, 10}, {299, 8},
    {325, 8}, {325, 10}, {351, 10}, {377, 10}, {400, 10}, {400, 12}, {426, 10}, {426, 12},
    {480, 12}, {500, 12}, {530, 12}, {560, 14}, {600, 14}, {630, 14}, {700, 16}, {800, 16},
};
