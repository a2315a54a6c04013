#!/bin/busybox sh
# /init of a classroom client machine: loads the network and file system modules, mounts the
# class folder served on the host (cr_fs=smb or nfs, from the kernel command line) on /mnt and
# takes commands from the host on its second serial port, answering there:
#   append DIR PROCS COUNT TRIES PAUSE_MS  in /mnt/DIR, PROCS programs append COUNT lines each at
#                                          once; "done" when all have ended
#   hold DIR SECONDS                       holds the lock of /mnt/DIR/kontr.txt; "held", later "released"
/bin/busybox --install -s /bin
export PATH=/bin
mount -t proc proc /proc
mount -t sysfs sys /sys
mount -t devtmpfs dev /dev
for m in $(cat /modules.$cr_fs); do
  insmod "/modules/$m.ko" $( [ "$m" = nfs ] && echo "nfs4_unique_id=klase-$cr_id" )
done
echo "classroom: modules loaded at $(cut -d' ' -f1 /proc/uptime) s" > /dev/console
hostname "klase-$cr_id"
ip link set lo up
ip link set eth0 up
ip addr add 10.0.2.15/24 dev eth0

ctl=/dev/ttyS1
stty -F $ctl raw -echo
# Kept open for the whole run: a serial port that nobody holds open drops what arrives.
exec 3< $ctl
say() { echo "$*" > $ctl; }

mkdir -p /mnt
tries=0
until
  if [ "$cr_fs" = smb ]; then
    mount -t cifs //10.0.2.100/klase /mnt -o port=445,vers=3.0,username=mokinys,password=x 2>/dev/console
  else
    mount -t nfs4 -o addr=10.0.2.100,vers=4.1,port=2049,proto=tcp 10.0.2.100:/klase /mnt 2>/dev/console
  fi
do
  tries=$((tries + 1))
  [ $tries -ge 20 ] && { say "mount failed"; poweroff -f; }
  sleep 1
done
cd /mnt
say "ready $cr_id"
echo "classroom: mounted at $(cut -d' ' -f1 /proc/uptime) s" > /dev/console

while read -r cmd dir a b c d <&3; do
  case "$cmd" in
    append)
      p=1
      while [ $p -le "$a" ]; do
        (cd "/mnt/$dir" && exec /bin/zenkla_classroom append "$cr_id$p" "$b" "$c" "$d") > $ctl 2>&1 &
        p=$((p + 1))
      done
      wait
      say "done $cr_id" ;;
    hold)
      (cd "/mnt/$dir" && exec /bin/zenkla_classroom hold "$a") > $ctl 2>&1 & ;;
  esac
done
poweroff -f
