#pragma once

#include <string>

struct SendRequest;

// Judges the three schedule fields of a CronSMS request. The client checks
// little (a start in the past, an empty cron field can reach us), so the
// service does: "" when the schedule is acceptable, otherwise the German
// refusal to show the user.
//
// term           "yyyy-MM-dd hh:mm:ss", with one trailing blank for a single
//                delayed send
// cronjobstring  "0" for a single delayed send, else five fields (minute,
//                hour, day of month, month, day of week) of digits, "*", ","
//                and "-", separated by single blanks
// enddate        "0" for a single delayed send, else a count of deliveries or
//                a date-time like term
std::string scheduleProblem(const SendRequest& r);

// True for "yyyy-MM-dd hh:mm:ss" with plausible numbers.
bool isDateTime(const std::string& s);
