#include "olsim/ToolCommands.h"

#include "olsim/GeneratedItems.h"
#include "olsim/ItemRules.h"
#include "olsim/OleDateMath.h"
#include "olsim/OutlookSimulator.h"
#include "olsim/ProfileStore.h"
#include "olsim/SampleItems.h"
#include "olsim/StoreError.h"
#include "olsim/ToolArguments.h"

#include <stdexcept>

namespace olsim {
namespace {

std::string Counted(std::size_t count, ItemKind kind)
{
    const std::string_view name = Info(kind).listName;
    return std::to_string(count) + " " + std::string(count == 1 ? name.substr(0, name.size() - 1) : name);
}

void Seed(ProfileStore& store, const ToolArguments& arguments, std::ostream& out)
{
    const double now = Now();
    std::array<std::size_t, kAllItemKinds.size()> added{};
    ProfileStore::Batch batch(store);
    for (const ItemKind kind : kAllItemKinds) {
        auto& count = added[static_cast<std::size_t>(kind)];
        if (arguments.sample) {
            for (ItemData& item : SampleItems(kind)) {
                StampForSave(item, now);
                batch.Save(item);
                ++count;
            }
        }
        ItemGenerator generator(kind, arguments.generatorSeed);
        for (std::uint32_t i = 0; i < arguments.counts[static_cast<std::size_t>(kind)]; ++i) {
            ItemData item = generator.Next();
            StampForSave(item, now);
            batch.Save(item);
            ++count;
        }
    }
    batch.Commit();
    out << "Added " << Counted(added[0], ItemKind::Contact) << ", " << Counted(added[1], ItemKind::Appointment)
        << ", " << Counted(added[2], ItemKind::Task) << " and " << Counted(added[3], ItemKind::Note) << " to "
        << store.Path() << "\n";
}

void List(ProfileStore& store, const ToolArguments& arguments, std::ostream& out)
{
    ItemListing listing(out, *arguments.kind, arguments.format);
    for (const std::int64_t id : store.ListFolder(*arguments.kind))
        listing.Add(store.Load(*arguments.kind, id));
    listing.Finish();
}

void Clear(ProfileStore& store, const ToolArguments& arguments, std::ostream& out)
{
    const std::size_t removed = store.Clear(arguments.kind);
    out << "Removed "
        << (arguments.kind ? Counted(removed, *arguments.kind)
                           : std::to_string(removed) + (removed == 1 ? " item" : " items"))
        << " from " << store.Path() << "\n";
}

void Version(ProfileStore& store, const ToolArguments& arguments, std::ostream& out)
{
    if (!arguments.version) {
        out << store.OutlookVersion() << "\n";
        return;
    }
    store.SetOutlookVersion(*arguments.version);
    out << "The profile now simulates Outlook " << *arguments.version << "\n";
}

}  // namespace

int RunTool(std::span<const std::string> args, std::ostream& out, std::ostream& err)
{
    const auto parsed = ParseToolArguments(args);
    if (const auto* problem = std::get_if<std::string>(&parsed)) {
        err << "olsim: " << *problem << "\n" << kToolUsage;
        return 2;
    }
    const ToolArguments& arguments = std::get<ToolArguments>(parsed);
    if (arguments.command == ToolCommand::Help) {
        out << kToolUsage;
        return 0;
    }
    const std::string path = ProfilePath();
    if (path.empty()) {
        err << "olsim: there is no data folder for the profile; set OLSIM_PROFILE\n";
        return 1;
    }
    try {
        ProfileStore store(path);
        switch (arguments.command) {
        case ToolCommand::Seed:
            Seed(store, arguments, out);
            break;
        case ToolCommand::List:
            List(store, arguments, out);
            break;
        case ToolCommand::Clear:
            Clear(store, arguments, out);
            break;
        case ToolCommand::Version:
            Version(store, arguments, out);
            break;
        case ToolCommand::Help:
            break;
        }
    } catch (const StoreError& error) {
        err << "olsim: the profile \"" << path << "\" failed: " << error.what() << "\n";
        return 1;
    } catch (const std::exception& error) {
        err << "olsim: " << error.what() << "\n";
        return 1;
    }
    out.flush();
    if (!out) {
        err << "olsim: the output could not be written\n";
        return 1;
    }
    return 0;
}

}  // namespace olsim
