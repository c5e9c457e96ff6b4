#include "sim/InProcessLink.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <utility>

namespace corva::sim {
namespace {

using Clock = std::chrono::steady_clock;

UiText NoDevice(const std::string& path) {
    return Tr("Simulator", "No simulated device at %1").Arg(path);
}
UiText DeviceInUse(const std::string& path) {
    return Tr("Simulator", "The simulated device %1 is open on another link").Arg(path);
}
UiText DeviceRemoved(const std::string& path) {
    return Tr("Simulator", "The simulated device %1 was removed").Arg(path);
}
UiText LinkClosed(const std::string& path) {
    return Tr("Simulator", "The link to %1 is not open").Arg(path);
}

}  // namespace

struct InProcessLink::Channel {
    struct Pending {
        Clock::time_point ready;  // when the processor's answer delay has passed
        HidReport report;
    };

    explicit Channel(std::shared_ptr<SimulatedProcessor> device) : processor{std::move(device)} {}
    ~Channel() {
        if (processor) {
            ReleaseClaim(*processor, claim);
        }
    }

    const std::shared_ptr<SimulatedProcessor> processor;
    std::mutex mutex;
    std::condition_variable arrived;
    std::deque<Pending> reports;
    bool open = false;
    bool removed = false;
    std::uint64_t claim = 0;
};

InProcessLink::InProcessLink(std::shared_ptr<SimulatedProcessor> processor, std::string path,
                             std::function<bool()> present)
    : processor_{std::move(processor)},
      path_{std::move(path)},
      present_{present ? std::move(present) : [] { return true; }},
      channel_{std::make_shared<Channel>(processor_)} {}

std::string InProcessLink::Describe() const {
    return "USB " + path_ + " (simulated)";
}

Status InProcessLink::Open() {
    if (!processor_ || !present_()) {
        return Status::Fail(NoDevice(path_));
    }
    {
        std::lock_guard lock(channel_->mutex);
        if (channel_->open && !channel_->removed) {
            return Status::Ok();
        }
    }
    const auto claim = processor_->Claim();
    if (claim == 0) {
        return Status::Fail(DeviceInUse(path_));
    }
    std::uint64_t stale = 0;
    {
        std::lock_guard lock(channel_->mutex);
        stale = std::exchange(channel_->claim, claim);
        channel_->open = true;
        channel_->removed = false;
        channel_->reports.clear();
    }
    ReleaseClaim(*processor_, stale);
    return Status::Ok();
}

void InProcessLink::Close() {
    std::uint64_t claim = 0;
    {
        std::lock_guard lock(channel_->mutex);
        channel_->open = false;
        channel_->reports.clear();
        claim = std::exchange(channel_->claim, 0);
    }
    channel_->arrived.notify_all();
    if (processor_) {
        ReleaseClaim(*processor_, claim);
    }
}

bool InProcessLink::IsOpen() const {
    std::lock_guard lock(channel_->mutex);
    return channel_->open;
}

Status InProcessLink::Write(std::span<const std::uint8_t> bytes, int /*timeoutMs*/) {
    if (bytes.size() > kHidReportSize) {
        return Status::Fail(Tr("Simulator", "A report has at most 65 bytes"));
    }
    {
        std::lock_guard lock(channel_->mutex);
        if (!channel_->open) {
            return Status::Fail(LinkClosed(path_));
        }
        if (channel_->removed) {
            return Status::Fail(DeviceRemoved(path_));
        }
    }
    if (!present_()) {
        return Status::Fail(DeviceRemoved(path_));
    }
    Trace(TraceDirection::Sent, bytes);
    HidReport report{};
    std::copy(bytes.begin(), bytes.end(), report.begin());
    // Not under the link's lock: a start step may unplug the device, which marks this link.
    const auto answers = processor_->ReceiveReport(report);
    const auto ready =
        Clock::now() + std::chrono::milliseconds(std::max(0, processor_->Faults().answerDelayMs));
    {
        std::lock_guard lock(channel_->mutex);
        if (channel_->open) {
            for (const auto& answer : answers) {
                channel_->reports.push_back({ready, answer});
            }
        }
    }
    channel_->arrived.notify_all();
    return Status::Ok();
}

ReadStatus InProcessLink::Read(std::span<std::uint8_t> buffer, std::size_t& count, int timeoutMs) {
    count = 0;
    const auto deadline = Clock::now() + std::chrono::milliseconds(std::max(0, timeoutMs));
    HidReport report{};
    {
        std::unique_lock lock(channel_->mutex);
        while (true) {
            if (!channel_->open) {
                return ReadStatus::Failed;
            }
            auto& reports = channel_->reports;
            const auto now = Clock::now();
            if (!reports.empty() && reports.front().ready <= now) {
                report = reports.front().report;
                reports.pop_front();
                break;
            }
            // Answers sent before a removal are still delivered; after them, nothing comes.
            if (reports.empty() && (channel_->removed || !present_())) {
                return ReadStatus::Failed;
            }
            if (now >= deadline) {
                return ReadStatus::Timeout;
            }
            const auto wake =
                reports.empty() ? deadline : std::min(deadline, reports.front().ready);
            channel_->arrived.wait_until(lock, wake);
        }
    }
    count = std::min(buffer.size(), report.size());
    std::copy_n(report.begin(), count, buffer.begin());
    Trace(TraceDirection::Received, report);
    return ReadStatus::Data;
}

void InProcessLink::MarkRemoved(Channel& channel) {
    std::uint64_t claim = 0;
    {
        std::lock_guard lock(channel.mutex);
        channel.removed = true;
        claim = std::exchange(channel.claim, 0);
    }
    channel.arrived.notify_all();
    if (channel.processor) {
        ReleaseClaim(*channel.processor, claim);
    }
}

void InProcessLink::ReleaseClaim(SimulatedProcessor& processor, std::uint64_t claim) {
    processor.Release(claim);
}

// ---------------------------------------------------------------------------------------------

struct SimDeviceEnumerator::Registry : std::enable_shared_from_this<Registry> {
    struct Entry {
        DeviceInfo identity;
        std::shared_ptr<SimulatedProcessor> processor;
        bool plugged = false;
        std::vector<std::weak_ptr<InProcessLink::Channel>> links;
    };

    // Plugged devices in plug order; unplugged ones keep their place until plugged again.
    std::vector<Entry> entries;
    mutable std::mutex mutex;

    Entry* Find(const std::string& path) {
        const auto found = std::find_if(entries.begin(), entries.end(),
                                        [&](const Entry& e) { return e.identity.path == path; });
        return found == entries.end() ? nullptr : &*found;
    }

    std::shared_ptr<SimulatedProcessor> Plug(const std::string& path, const DeviceInfo* identity) {
        std::lock_guard lock(mutex);
        Entry* entry = Find(path);
        if (entry && entry->plugged) {
            return entry->processor;
        }
        Entry plugged;
        if (entry) {
            // A device plugged back in is the same device, with the memory it had.
            plugged = std::move(*entry);
            entries.erase(entries.begin() + (entry - entries.data()));
        } else {
            plugged.processor = std::make_shared<SimulatedProcessor>();
            plugged.identity = {path, kProcessorVendorId, kProcessorProductId,
                                kProcessorReleaseNumber};
            plugged.processor->SetRestartHandler([weak = weak_from_this(), path] {
                if (const auto registry = weak.lock()) {
                    registry->Restart(path);
                }
            });
        }
        if (identity) {
            plugged.identity = *identity;
            plugged.identity.path = path;
        }
        plugged.plugged = true;
        entries.push_back(std::move(plugged));
        return entries.back().processor;
    }

    void Unplug(const std::string& path) {
        std::vector<std::shared_ptr<InProcessLink::Channel>> links;
        {
            std::lock_guard lock(mutex);
            Entry* entry = Find(path);
            if (!entry || !entry->plugged) {
                return;
            }
            entry->plugged = false;
            for (const auto& weak : entry->links) {
                if (auto link = weak.lock()) {
                    links.push_back(std::move(link));
                }
            }
        }
        // Outside the registry's lock: a reading link holds its own lock while it asks
        // whether the device is present.
        for (const auto& link : links) {
            InProcessLink::MarkRemoved(*link);
        }
    }

    // The loader's start step: the device drops off the bus and enumerates again at once
    // with the same identity. Links open before it fail; the host opens a new one.
    void Restart(const std::string& path) {
        Unplug(path);
        Plug(path, nullptr);
    }

    bool Present(const std::string& path) const {
        std::lock_guard lock(mutex);
        const auto found = std::find_if(entries.begin(), entries.end(), [&](const Entry& e) {
            return e.identity.path == path && e.plugged;
        });
        return found != entries.end();
    }
};

std::shared_ptr<SimDeviceEnumerator::Registry> SimDeviceEnumerator::MakeRegistry() {
    return std::make_shared<Registry>();
}

std::shared_ptr<SimulatedProcessor> SimDeviceEnumerator::Plug(const std::string& path,
                                                              const DeviceInfo* identity) {
    return registry_->Plug(path, identity);
}

void SimDeviceEnumerator::Unplug(const std::string& path) {
    registry_->Unplug(path);
}

std::shared_ptr<SimulatedProcessor> SimDeviceEnumerator::Device(const std::string& path) const {
    std::lock_guard lock(registry_->mutex);
    const auto* entry = registry_->Find(path);
    return entry && entry->plugged ? entry->processor : nullptr;
}

std::vector<DeviceInfo> SimDeviceEnumerator::Enumerate() {
    std::lock_guard lock(registry_->mutex);
    std::vector<DeviceInfo> devices;
    for (const auto& entry : registry_->entries) {
        if (entry.plugged) {
            devices.push_back(entry.identity);
        }
    }
    return devices;
}

std::unique_ptr<Link> SimDeviceEnumerator::MakeLink(const std::string& path) {
    std::shared_ptr<SimulatedProcessor> processor;
    {
        std::lock_guard lock(registry_->mutex);
        if (const auto* entry = registry_->Find(path)) {
            processor = entry->processor;
        }
    }
    auto link = std::make_unique<InProcessLink>(processor, path,
                                                [weak = std::weak_ptr<Registry>(registry_), path] {
                                                    const auto registry = weak.lock();
                                                    return registry && registry->Present(path);
                                                });
    std::lock_guard lock(registry_->mutex);
    if (auto* entry = registry_->Find(path)) {
        std::erase_if(entry->links, [](const auto& weak) { return weak.expired(); });
        entry->links.push_back(link->channel_);
    }
    return link;
}

}  // namespace corva::sim
