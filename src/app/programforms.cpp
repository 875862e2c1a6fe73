#include "programforms.h"

#include "britain/flaggau.h"
#include "britain/hymnu.h"
#include "britain/kartau.h"
#include "exercises/avsloja.h"
#include "exercises/berettau.h"
#include "exercises/bildenu.h"
#include "exercises/bildvisu.h"
#include "exercises/diktamen.h"
#include "exercises/flerabar.h"
#include "exercises/horo.h"
#include "exercises/insetxt.h"
#include "exercises/passakt.h"
#include "exercises/pranku.h"
#include "exercises/skriva.h"
#include "exercises/skriva2.h"
#include "exercises/skrivin.h"
#include "exercises/speedu.h"
#include "exercises/storyu.h"
#include "exercises/top9u.h"
#include "games/falsku.h"
#include "games/fiveu.h"
#include "games/klock.h"
#include "games/seinu.h"
#include "games/stegra.h"
#include "words/dinaord.h"
#include "words/listu.h"

namespace vindra {

const QHash<QByteArray, FormCreator>& programFormCreators()
{
    static const QHash<QByteArray, FormCreator> forms = {
        {"TSKRIV", formCreator<TSKRIV>()},       {"Tskriv2", formCreator<Tskriv2>()},
        {"TSkrivinf", formCreator<TSkrivinf>()}, {"TKarta", formCreator<TKarta>()},
        {"TFlagga", formCreator<TFlagga>()},     {"THymn", formCreator<THymn>()},
        {"TFLERBAR", formCreator<TFLERBAR>()},   {"Tlista", formCreator<Tlista>()},
        {"TFalska", formCreator<TFalska>()},     {"TKlockan", formCreator<TKlockan>()},
        {"TStegran", formCreator<TStegran>()},   {"TDiktam", formCreator<TDiktam>()},
        {"TInseTxt", formCreator<TInseTxt>()},   {"TPassAkt", formCreator<TPassAkt>()},
        {"Tavsloj", formCreator<Tavsloj>()},     {"TSpeed", formCreator<TSpeed>()},
        {"TPrank", formCreator<TPrank>()},       {"TStorygin", formCreator<TStorygin>()},
        {"Tberaetta", formCreator<Tberaetta>()}, {"Thoroskop", formCreator<Thoroskop>()},
        {"Ttop9", formCreator<Ttop9>()},         {"TSEIN", formCreator<TSEIN>()},
        {"Tfive", formCreator<Tfive>()},         {"TBildvis", formCreator<TBildvis>()},
        {"TBilden", formCreator<TBilden>()},     {"TDinaOrd", formCreator<TDinaOrd>()},
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
