#include "fault_options.h"

namespace torvik::sim {

void addFaultOptions(CLI::App &app, Faults &faults)
{
    const char *group = "Faults (queries are the commands other than REM, LOC, ERR? and CL_ERR, "
                        "counted from 1)";
    const auto positive = CLI::PositiveNumber;
    app.add_option("--mute-after", faults.muteAfterQueries,
                   "Answer nothing at all after query N (the tester falls silent)")
        ->group(group)->check(positive);
    app.add_option("--spoil-crc", faults.corruptCrcSends, "Send the first K binary blocks with a wrong CRC")
        ->group(group)->check(positive);
    app.add_option("--noise-before", faults.noiseBeforeReplyTo, "Send line noise just before the reply to query N")
        ->group(group)->check(positive);
    app.add_option("--truncate", faults.truncateReplyTo, "Send only the first half of the reply to query N")
        ->group(group)->check(positive);
    app.add_option("--late", faults.lateReplyTo, "Send the reply to query N late (see --late-ms)")
        ->group(group)->check(positive);
    app.add_option("--late-ms", faults.lateByMs, "How late the reply of --late goes out, in ms")
        ->group(group)->check(CLI::NonNegativeNumber)->default_val(4000);
    app.add_option("--drop-after", faults.dropAfterQueries, "Drop the line when query N + 1 arrives")
        ->group(group)->check(positive);
}

}  // namespace torvik::sim
