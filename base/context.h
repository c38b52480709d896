/* Context numbers of the Zelmora 2.0 help topics.
   The program opens the help with these numbers; keep them stable. */
#define IDH_GENERAL 10
#define IDH_LICENSE 60
