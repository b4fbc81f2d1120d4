#pragma once
// The communication network: an arrow from each responsible of a task to each responsible of
// every task that follows it.
//
// The rows of a linked task are the task rows whose host task has its name, its WBS code and
// its start and finish day; they are found through an index of the rows built once. A name is
// found among the resource columns through a map: when several groups hold the name, the
// column in the last of them counts, and within a group the first.

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class clsQuorvan;
class clsResources;

struct NetworkArrow {
  double dblBeginX = 0.0;
  double dblBeginY = 0.0;
  double dblEndX = 0.0;
  double dblEndY = 0.0;
};

// The X of the resource column each name stands for.
std::unordered_map<std::string, double> ResourceXByName(const clsResources& objResources);

// Every arrow of the network, in drawing order, placed with the builder's position correction.
std::vector<NetworkArrow> CommunicationNetwork(const clsQuorvan& objQuorvan);

// How many arrows CommunicationNetwork gives, counted without placing them (the count
// saturates at the largest number the type holds).
std::uint64_t NetworkArrowCount(const clsQuorvan& objQuorvan);

// Draws the network's arrows; true when any drawing call failed.
bool DrawCommunicationNetwork(clsQuorvan& objQuorvan);
