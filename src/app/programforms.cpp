#include "programforms.h"

#include "exercises/flerabar.h"
#include "exercises/skriva.h"
#include "exercises/skriva2.h"
#include "exercises/skrivin.h"
#include "games/fiveu.h"
#include "games/seinu.h"
#include "words/listu.h"

namespace vindra {

const QHash<QByteArray, FormCreator>& programFormCreators()
{
    static const QHash<QByteArray, FormCreator> forms = {
        {"TSKRIV", formCreator<TSKRIV>()},
        {"Tskriv2", formCreator<Tskriv2>()},
        {"TSkrivinf", formCreator<TSkrivinf>()},
        {"TFLERBAR", formCreator<TFLERBAR>()},
        {"Tlista", formCreator<Tlista>()},
        {"TSEIN", formCreator<TSEIN>()},
        {"Tfive", formCreator<Tfive>()},
    };
    return forms;
}

const FormRegistry& programForms()
{
    static const FormRegistry forms = [] {
        FormRegistry runners;
        const auto& creators = programFormCreators();
        for (auto it = creators.begin(); it != creators.end(); ++it) {
            runners.insert(it.key(), [create = it.value()](Engine& engine, const Services& services,
                                                           QWidget* parent) {
                create(engine, services, parent)->exec();
            });
        }
        return runners;
    }();
    return forms;
}

} // namespace vindra
