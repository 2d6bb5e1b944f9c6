#include "ComPorts.h"

std::unique_ptr<SerialLines> ComPorts::open(int commPort, const Opening& opening)
{
    std::optional<Choice> choice;
    std::optional<CommError> missing;
    for (;;) {
        try {
            auto port = opening();
            QString error;
            // Only once it opened: a choice that does not work is not worth keeping.
            if (choice && choice->remember && !PortAssignments::remember(commPort, choice->device, error))
                //: %1 says why the choice could not be kept.
                warn_(tr("%1; COM%2 stands for %3 this time only").arg(error, QString::number(commPort), choice->device));
            return port;
        } catch (const CommError& e) {
            const bool named = commPort > PortAssignments::Ports || ports_.of(commPort).source == PortAssignments::Source::Option;
            // A start-up that finds no device asks; a device the user chose is asked for again
            // whatever went wrong with it.
            if (!ask_ || named || (!choice && e.kind() != CommError::Kind::NoSuchDevice))
                throw;
            if (!missing)
                missing = e;
            choice = ask_(commPort, e);
            if (!choice) {
                declined_ = true;
                throw *missing;  // the device not found, whatever the choices since met
            }
            ports_.choose(commPort, choice->device);
        }
    }
}
